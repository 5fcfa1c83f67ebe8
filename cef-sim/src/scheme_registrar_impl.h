#ifndef CEFSIM_SRC_SCHEME_REGISTRAR_IMPL_H_
#define CEFSIM_SRC_SCHEME_REGISTRAR_IMPL_H_

#include <vector>

#include "include/cef_scheme.h"
#include "src/engine.h"

namespace cefsim {

// Collects the custom schemes of one OnRegisterCustomSchemes call.
class SchemeRegistrarImpl : public CefSchemeRegistrar {
 public:
  // CefSchemeRegistrar methods:
  bool AddCustomScheme(const CefString& scheme_name, int options) override;

  const std::vector<CustomSchemeRecord>& schemes() const { return schemes_; }

 private:
  std::vector<CustomSchemeRecord> schemes_;
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_SCHEME_REGISTRAR_IMPL_H_
