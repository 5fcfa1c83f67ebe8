// What the bridge creates its browsers with: window information and browser settings for an
// off-screen browser, for a child-window browser and for a DevTools window.
#pragma once

#include <cstdint>

#include "engine/prelude.h"
#include "include/cef_browser.h"

namespace brivon {

struct ChildPlacement {
  uintptr_t parent;
  int left;
  int top;
  int right;
  int bottom;
};

// Each fills a default-constructed `info` (the engine's window information cannot be copied).
void FillWindowless(CefWindowInfo& info);
void FillChild(CefWindowInfo& info, const ChildPlacement& placement);
// A top-level window owned by the inspected browser's window (none for an off-screen one).
void FillDevTools(CefWindowInfo& info, CefWindowHandle inspected_window);

CefBrowserSettings WindowlessBrowserSettings();
CefBrowserSettings ChildBrowserSettings();

// A window handle as Java holds it: the 32-bit value widened with its sign.
int64_t WindowHandleToJava(CefWindowHandle handle);
// The low 32 bits of what Java passed, as the 32-bit process has them.
uintptr_t WindowHandleFromJava(int64_t handle);

}  // namespace brivon
