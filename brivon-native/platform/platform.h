// The few places where the bridge meets the operating system directly. Everything else in the
// bridge is the same code on every platform.
#pragma once

#include <cstdint>

#include "engine/prelude.h"
#include "include/cef_app.h"

namespace brivon::platform {

// The main arguments the engine expects for this process: the executable's module handle on
// Windows, the process's own command line elsewhere.
CefMainArgs MainArgs();

// Whether the handle names a window that a browser can be a child of: the system's own answer
// on Windows; on the host, a window the stand-in engine knows.
bool IsWindow(uintptr_t handle);

}  // namespace brivon::platform
