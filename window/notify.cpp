// Notification-area icon of a window object, and its flashing.
//
// flashWindowNotify and the flash tick run on the window's own thread, since the system
// accepts a window timer only from there.

#include "notify.h"

#include "host_window.h"
#include "notify_system.h"

#include <algorithm>
#include <cwchar>

namespace panehost {
namespace {

constexpr UINT kShownIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
constexpr UINT kHiddenIconFlags = NIF_ICON;
constexpr int kShortestFlashInterval = 200;

HICON loadExecutableIcon(UINT iconId) {
  return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(LOWORD(iconId)));
}

// Cuts to what the record holds without splitting a surrogate pair, which would leave
// half a character at the end of the tip.
void copyTooltip(const std::wstring& tooltip, wchar_t (&tip)[128]) {
  const size_t room = std::size(tip) - 1;
  size_t length = std::min(tooltip.size(), room);
  if (length == room && length < tooltip.size() && IS_HIGH_SURROGATE(tooltip[length - 1])) --length;
  std::wmemcpy(tip, tooltip.data(), length);
  tip[length] = L'\0';
}

}  // namespace

void flashTick(HostWindow& window) {
  if (!window.notifyData) return;
  NOTIFYICONDATAW& data = *window.notifyData;
  const bool flashing = window.flashing;
  if (flashing && data.hIcon) {
    data.uFlags = kHiddenIconFlags;
    data.hIcon = nullptr;
  } else {
    data.uFlags = kShownIconFlags;
    data.hIcon = loadExecutableIcon(data.uID);
  }
  notifySystem().shellNotifyIcon(NIM_MODIFY, &data);
  if (!flashing) notifySystem().killTimer(window.hwnd, kFlashTimerId);
}

void removeNotifyIcon(HostWindow& window) {
  if (!window.notifyData) return;
  notifySystem().shellNotifyIcon(NIM_DELETE, window.notifyData.get());
  window.notifyData.reset();
}

}  // namespace panehost

extern "C" PANEHOST_API void createWindowNotify(HostWindow* window, UINT callbackMessage,
                                                              UINT iconId, const wchar_t* tooltip) {
  // Without a native window the shell would refuse the icon, and the record would still
  // block every later attempt. A window that is gone gets none either: the shell would take it,
  // and send its notifications to whatever window comes back with that handle.
  if (!window || window->notifyData || !window->hwnd || window->windowDestroyed || !IsWindow(window->hwnd)) return;
  try {
    auto data = std::make_unique<NOTIFYICONDATAW>();  // value-initialised: all zero
    std::wstring tip = tooltip ? std::wstring(tooltip) : std::wstring();
    data->cbSize = sizeof(NOTIFYICONDATAW);
    data->hWnd = window->hwnd;
    data->uID = iconId;
    data->uFlags = panehost::kShownIconFlags;
    data->uCallbackMessage = callbackMessage;
    data->hIcon = panehost::loadExecutableIcon(iconId);
    panehost::copyTooltip(tip, data->szTip);
    window->notifyCallbackMessage = callbackMessage;
    window->tooltip = std::move(tip);
    window->notifyData = std::move(data);
  } catch (...) {
    return;  // out of memory: no icon
  }
  panehost::notifySystem().shellNotifyIcon(NIM_ADD, window->notifyData.get());
}

extern "C" PANEHOST_API void flashWindowNotify(HostWindow* window, int flash, int interval) {
  if (!window || !window->notifyData) return;
  if (!flash) {
    window->flashing = false;  // the next tick shows the icon and stops the timer
    return;
  }
  // Only the owner thread may start the window's timer (some systems refuse it to any other,
  // some do not); elsewhere a start changes nothing, so that the outcome is the same everywhere.
  if (GetWindowThreadProcessId(window->hwnd, nullptr) != GetCurrentThreadId()) return;
  window->flashing = true;
  panehost::notifySystem().setTimer(window->hwnd, panehost::kFlashTimerId,
                                    static_cast<UINT>(std::max(interval, panehost::kShortestFlashInterval)));
}
