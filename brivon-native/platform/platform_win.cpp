#include "platform/platform.h"

#include <windows.h>

namespace brivon::platform {

CefMainArgs MainArgs() { return CefMainArgs(GetModuleHandleW(nullptr)); }

bool IsWindow(uintptr_t handle) { return ::IsWindow(reinterpret_cast<HWND>(handle)) != FALSE; }

}  // namespace brivon::platform
