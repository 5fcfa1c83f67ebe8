#include "browser/window_info.h"

#include <type_traits>

namespace brivon {
namespace {

// WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE
constexpr uint32_t kChildStyle = 0x56010000;
// WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE
constexpr uint32_t kDevToolsStyle = 0x16CF0000;
// CW_USEDEFAULT: the system places and sizes the window.
constexpr uint32_t kUseDefault = 0x80000000;
// White, nearly transparent: the page's own background shows, and the engine still treats the
// colour as set (an alpha of 0 would mean "use the default").
constexpr uint32_t kBackground = 0x01FFFFFF;
constexpr int kWindowlessFrameRate = 30;

// The engine's window information carries a window style only on Windows (and in the stand-in,
// which lays it out as Windows does); elsewhere there is nothing to set.
template <typename Info>
auto SetStyle(Info& info, uint32_t style, int) -> decltype(info.style = style, void()) {
  info.style = style;
}
template <typename Info>
void SetStyle(Info&, uint32_t, long) {}

// A pointer on Windows, an integer elsewhere.
template <typename Handle>
Handle ToHandle(uintptr_t value) {
  if constexpr (std::is_pointer_v<Handle>) {
    return reinterpret_cast<Handle>(value);
  } else {
    return static_cast<Handle>(value);
  }
}

template <typename Handle>
uintptr_t FromHandle(Handle handle) {
  if constexpr (std::is_pointer_v<Handle>) {
    return reinterpret_cast<uintptr_t>(handle);
  } else {
    return static_cast<uintptr_t>(handle);
  }
}

template <typename Member>
void SetUseDefault(Member& member) {
  member = static_cast<Member>(kUseDefault);
}

}  // namespace

void FillWindowless(CefWindowInfo& info) { info.windowless_rendering_enabled = 1; }

void FillChild(CefWindowInfo& info, const ChildPlacement& placement) {
  info.windowless_rendering_enabled = 0;
  info.parent_window = ToHandle<CefWindowHandle>(placement.parent);
  SetStyle(info, kChildStyle, 0);
  info.x = placement.left;
  info.y = placement.top;
  info.width = placement.right - placement.left;
  info.height = placement.bottom - placement.top;
}

void FillDevTools(CefWindowInfo& info, CefWindowHandle inspected_window) {
  info.windowless_rendering_enabled = 0;
  info.parent_window = inspected_window;
  SetStyle(info, kDevToolsStyle, 0);
  SetUseDefault(info.x);
  SetUseDefault(info.y);
  SetUseDefault(info.width);
  SetUseDefault(info.height);
  CefString(&info.window_name) = "DevTools";
}

CefBrowserSettings WindowlessBrowserSettings() {
  CefBrowserSettings settings;
  settings.windowless_frame_rate = kWindowlessFrameRate;
  settings.background_color = kBackground;
  return settings;
}

CefBrowserSettings ChildBrowserSettings() {
  CefBrowserSettings settings;
  settings.background_color = kBackground;
  return settings;
}

int64_t WindowHandleToJava(CefWindowHandle handle) {
  const uintptr_t value = FromHandle(handle);
  return static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

uintptr_t WindowHandleFromJava(int64_t handle) {
  return static_cast<uintptr_t>(static_cast<uint32_t>(handle));
}

}  // namespace brivon
