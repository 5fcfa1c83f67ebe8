// Window objects: their native window, its class and procedure, and the message loop.
//
// createWindowHandle makes the calling thread the window's owner; the message loop, the
// client's message function and destroyWindow of a living window all run on that thread.

#include "frame.h"
#include "host_window.h"
#include "notify.h"
#include "panehost.h"

#include <cstdio>
#include <new>

namespace panehost {
namespace {

constexpr COLORREF kBackgroundColour = RGB(128, 128, 128);
constexpr DWORD kWindowStyle =
    WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr int kResizeBorder = 5;
constexpr char kWrongThreadMessage[] = "The methods of Create and DoMessageLoop must be in the same thread\n";

// Classes and windows belong to the executable, as the client's own windows do.
HINSTANCE executableInstance() { return GetModuleHandleW(nullptr); }

// A window of our own has no caption area: everything outside the resize zones is client.
int CALLBACK noCaption(int, int, int, int, int, int) { return 0; }

void paintBackground(HostWindow& window) {
  PAINTSTRUCT paint;
  if (HDC dc = BeginPaint(window.hwnd, &paint)) {
    FillRect(dc, &paint.rcPaint, window.backgroundBrush.get());
    EndPaint(window.hwnd, &paint);
  }
}

LRESULT handleMessage(HostWindow& window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Messages sent while CreateWindowExW has not returned yet are nobody's business.
  if (!window.hwnd) return 0;
  switch (message) {
    case WM_PAINT:
      paintBackground(window);
      return 0;
    case WM_TIMER:
      if (wParam != kFlashTimerId) break;
      flashTick(window);
      return 0;
    default:
      break;
  }
  if (window.messageCallback) return window.messageCallback(window.hwnd, message, wParam, lParam);
  return DefWindowProcW(window.hwnd, message, wParam, lParam);
}

LRESULT CALLBACK classProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  auto* window = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message != WM_NCDESTROY) return handleMessage(*window, message, wParam, lParam);
  const LRESULT result = handleMessage(*window, message, wParam, lParam);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  window->windowDestroyed = true;
  return result;
}

bool registerWindowClass(HostWindow& window) {
  WNDCLASSW windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = classProcedure;
  windowClass.hInstance = executableInstance();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszClassName = window.className.c_str();
  if (RegisterClassW(&windowClass)) {
    window.classAlreadyRegistered = false;
    window.registeredClass = true;
    return true;
  }
  if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  window.classAlreadyRegistered = true;
  return true;
}

bool hasLivingWindow(const HostWindow& window) {
  return window.hwnd && !window.windowDestroyed && IsWindow(window.hwnd);
}

}  // namespace
}  // namespace panehost

extern "C" PANEHOST_API HostWindow* createWindow(HWND parent, const wchar_t* className,
                                                               const wchar_t* title, int customFrame,
                                                               int resizable,
                                                               WindowMessageCallback messageCallback) {
  if (!className || !title) return nullptr;
  try {
    auto* window = new HostWindow;
    window->parent = parent;
    window->messageCallback = messageCallback;
    window->customFrame = customFrame;
    window->resizable = resizable;
    window->className = className;
    window->title = title;
    window->backgroundBrush.reset(CreateSolidBrush(panehost::kBackgroundColour));
    return window;
  } catch (...) {
    return nullptr;  // out of memory
  }
}

extern "C" PANEHOST_API HWND createWindowHandle(HostWindow* window, int x, int y, int width,
                                                             int height) {
  if (!window) return nullptr;
  if (window->hwnd) return window->hwnd;
  window->ownerThreadId = GetCurrentThreadId();
  if (!panehost::registerWindowClass(*window)) return nullptr;
  HWND hwnd = CreateWindowExW(0, window->className.c_str(), window->title.c_str(), panehost::kWindowStyle, x, y,
                              width, height, window->parent, nullptr, panehost::executableInstance(), window);
  window->hwnd = hwnd;
  if (hwnd && window->parent) {
    SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | WS_EX_APPWINDOW);
  }
  if (window->customFrame) {
    attach(hwnd, panehost::noCaption, window->resizable ? panehost::kResizeBorder : 0, 1);
  }
  return hwnd;
}

extern "C" PANEHOST_API void runWindowMessageLoop(HostWindow* window) {
  if (!window) return;
  if (window->ownerThreadId != GetCurrentThreadId()) {
    std::fputs(panehost::kWrongThreadMessage, stderr);
    std::fflush(stderr);
    return;
  }
  // GetMessageW answers -1 on failure; looping on it would spin for ever.
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

extern "C" PANEHOST_API void destroyWindow(HostWindow* window) {
  if (!window) return;
  const bool living = panehost::hasLivingWindow(*window);
  // Only the owner thread can destroy the window; freeing the object anywhere else would
  // leave a window whose procedure still reaches it.
  if (living && GetWindowThreadProcessId(window->hwnd, nullptr) != GetCurrentThreadId()) return;
  panehost::removeNotifyIcon(*window);
  if (living) {
    // Detached for the destruction messages to reach the client unaltered, but not shown.
    if (window->customFrame) panehost::detachFrame(window->hwnd, false);
    DestroyWindow(window->hwnd);
    window->messageCallback = nullptr;
  }
  // Also when the client destroyed the window itself or creating it failed: a class left behind
  // would keep the name, and its procedure in this library, for the next object of that name.
  // Fails harmlessly while other windows of the class live.
  if (window->registeredClass) UnregisterClassW(window->className.c_str(), panehost::executableInstance());
  delete window;
}
