#ifndef CEFSIM_SRC_NATIVE_WINDOWS_H_
#define CEFSIM_SRC_NATIVE_WINDOWS_H_

#include <cstdint>
#include <map>
#include <mutex>

#include "include/cef_base.h"

namespace cefsim {

// Handle values the stand-in treats as native windows. Any thread.
class NativeWindows {
 public:
  uintptr_t Create(uintptr_t parent, const CefRect& rect);
  void Destroy(uintptr_t handle);
  bool Exists(uintptr_t handle) const;
  CefRect RectOf(uintptr_t handle) const;
  uintptr_t ParentOf(uintptr_t handle) const;

 private:
  struct Window {
    uintptr_t parent;
    CefRect rect;
  };
  mutable std::mutex mutex_;
  // Handles look like a window manager's: distinct, nonzero, never reused.
  uintptr_t next_ = 0x10010;
  std::map<uintptr_t, Window> windows_;
};

NativeWindows& Windows();

// A window handle's value and back, whatever the platform's handle type.
inline uintptr_t HandleValue(CefWindowHandle handle) {
  return (uintptr_t)handle;  // a pointer on Windows, an integer elsewhere
}
inline CefWindowHandle HandleFrom(uintptr_t value) {
  return (CefWindowHandle)value;
}

}  // namespace cefsim

#endif  // CEFSIM_SRC_NATIVE_WINDOWS_H_
