#ifndef CEFSIM_SRC_BROWSER_NAVIGATION_H_
#define CEFSIM_SRC_BROWSER_NAVIGATION_H_

#include <cstdint>

#include "include/cef_base.h"

namespace cefsim {

// One main-frame navigation of a browser, from its start to its end.
struct Navigation {
  enum class Kind { kLoad, kString, kReload, kHistory };

  uint64_t sequence = 0;
  Kind kind = Kind::kLoad;
  CefString url;
  cef_transition_type_t transition = TT_EXPLICIT;
  int history_index = -1;  // the entry a history navigation goes to
  bool aborted = false;
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_BROWSER_NAVIGATION_H_
