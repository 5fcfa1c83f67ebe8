// The message router's configuration, one for both processes: the browser-side router in the
// bridge and the renderer-side router in brivon-sub name their process messages after these
// two page functions, so the halves meet only while both read them from here.
#pragma once

#include "engine/prelude.h"
#include "include/wrapper/cef_message_router.h"

namespace brivon {

inline CefMessageRouterConfig RouterConfig() {
  CefMessageRouterConfig config;
  config.js_query_function = "javaQuery";
  config.js_cancel_function = "javaQueryCancel";
  return config;
}

}  // namespace brivon
