#pragma once
// The window object behind the opaque HostWindow pointer of the exports.

#include "panehost.h"

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <memory>
#include <string>

namespace panehost {

struct BrushDeleter {
  void operator()(HBRUSH brush) const { DeleteObject(brush); }
};
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, BrushDeleter>;

// Timer 1 of every window object belongs to the icon flashing.
constexpr UINT_PTR kFlashTimerId = 1;

}  // namespace panehost

struct HostWindow {
  int customFrame = 0;
  int resizable = 0;
  bool classAlreadyRegistered = false;
  // createWindowHandle registered the class itself: destroyWindow unregisters it, also when the
  // native window is already gone or was never made.
  bool registeredClass = false;
  DWORD ownerThreadId = 0;
  HWND parent = nullptr;
  HWND hwnd = nullptr;
  WindowMessageCallback messageCallback = nullptr;
  panehost::UniqueBrush backgroundBrush;
  std::wstring className;
  std::wstring title;
  UINT notifyCallbackMessage = 0;
  std::wstring tooltip;
  std::unique_ptr<NOTIFYICONDATAW> notifyData;
  // Set by flashWindowNotify, read by the flash tick on the window's thread.
  std::atomic<bool> flashing{false};
  // WM_NCDESTROY has passed: the handle in `hwnd` may already name someone else's window.
  bool windowDestroyed = false;
};
