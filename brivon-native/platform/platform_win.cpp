#include "platform/platform.h"

#include <windows.h>

namespace brivon::platform {

CefMainArgs MainArgs() { return CefMainArgs(GetModuleHandleW(nullptr)); }

}  // namespace brivon::platform
