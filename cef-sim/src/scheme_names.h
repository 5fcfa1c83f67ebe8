#ifndef CEFSIM_SRC_SCHEME_NAMES_H_
#define CEFSIM_SRC_SCHEME_NAMES_H_

#include <vector>

#include "src/engine.h"

namespace cefsim {

// Both take a lower-cased name.

// The engine's own schemes; a client cannot register one of them as a custom scheme.
bool IsBuiltInScheme(const CefString& scheme);
// A standard scheme's addresses have a host that a factory's domain is matched against;
// the others match every domain.
bool IsStandardScheme(const CefString& scheme, const std::vector<CustomSchemeRecord>& custom);

}  // namespace cefsim

#endif  // CEFSIM_SRC_SCHEME_NAMES_H_
