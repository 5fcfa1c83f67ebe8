#ifndef CEFSIM_DRIVER_CEFSIM_NATIVE_WINDOWS_H_
#define CEFSIM_DRIVER_CEFSIM_NATIVE_WINDOWS_H_

// The stand-in's native windows on a host without any: handle values the engine knows
// as windows, with a position, size and parent. A child-window browser's own window is
// one of them; tests make others to stand for a client's windows. Any thread.

#include <cstdint>

#include "include/cef_base.h"

namespace cefsim {
namespace driver {

// A new top-level window, at 0, 0 and empty.
uintptr_t MakeNativeWindow();
// True when the value names a window the stand-in made (and has not destroyed).
bool IsNativeWindow(uintptr_t handle);
// The window's rectangle relative to its parent; empty for an unknown handle.
CefRect NativeWindowRect(uintptr_t handle);
// 0 for a top-level window or an unknown handle.
uintptr_t NativeWindowParent(uintptr_t handle);

}  // namespace driver
}  // namespace cefsim

#endif  // CEFSIM_DRIVER_CEFSIM_NATIVE_WINDOWS_H_
