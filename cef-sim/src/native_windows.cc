#include "src/native_windows.h"

#include "cefsim/native_windows.h"

namespace cefsim {

uintptr_t NativeWindows::Create(uintptr_t parent, const CefRect& rect) {
  std::lock_guard<std::mutex> lock(mutex_);
  uintptr_t handle = next_;
  next_ += 0x10;
  windows_[handle] = Window{parent, rect};
  return handle;
}

void NativeWindows::Destroy(uintptr_t handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  windows_.erase(handle);
}

bool NativeWindows::Exists(uintptr_t handle) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return windows_.count(handle) != 0;
}

CefRect NativeWindows::RectOf(uintptr_t handle) const {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = windows_.find(handle);
  return it == windows_.end() ? CefRect() : it->second.rect;
}

uintptr_t NativeWindows::ParentOf(uintptr_t handle) const {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = windows_.find(handle);
  return it == windows_.end() ? 0 : it->second.parent;
}

NativeWindows& Windows() {
  static NativeWindows* windows = new NativeWindows();
  return *windows;
}

namespace driver {

uintptr_t MakeNativeWindow() {
  return Windows().Create(0, CefRect());
}

bool IsNativeWindow(uintptr_t handle) {
  return handle != 0 && Windows().Exists(handle);
}

CefRect NativeWindowRect(uintptr_t handle) {
  return Windows().RectOf(handle);
}

uintptr_t NativeWindowParent(uintptr_t handle) {
  return Windows().ParentOf(handle);
}

}  // namespace driver
}  // namespace cefsim
