// Custom frame: attach and detach, and the frame procedure of attached windows.
//
// The frame procedure runs on each attached window's own thread; attach and detach may run
// on any thread of the process.

#include "frame.h"

#include "frame_system.h"
#include "panehost.h"
#include "subclass_registry.h"

#include <windowsx.h>

#include <atomic>

namespace panehost {
namespace {

constexpr DWORD kPlainFrameStyle =
    WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD kDropShadowFrameStyle = kPlainFrameStyle | WS_CAPTION;
constexpr MARGINS kDropShadowMargins{1, 1, 1, 1};
constexpr MARGINS kNoMargins{0, 0, 0, 0};

struct FrameRecord : SubclassRecord {
  HWND hwnd;
  int borderWidth;
  bool ignoreCaptionDoubleClick;
  HitTestCallback hitTest;
  LONG savedStyle;
  LONG savedExStyle;
  // Flipped on the window's thread by a settings change, read by detach on any thread.
  std::atomic<bool> frameExtended;
};

LRESULT CALLBACK frameProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

SubclassRegistry<FrameRecord>& registry() {
  static SubclassRegistry<FrameRecord> frames(&frameProcedure);
  return frames;
}

// A style change alone leaves the old non-client area in place until the next resize;
// asking for a frame change makes the new one take effect now, without showing the window.
void applyStyle(HWND hwnd, LONG style) {
  SetWindowLongW(hwnd, GWL_STYLE, style);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void enterFrameMode(HWND hwnd, bool dropShadow) {
  if (dropShadow) {
    applyStyle(hwnd, static_cast<LONG>(kDropShadowFrameStyle));
    frameSystem().extendFrameIntoClientArea(hwnd, kDropShadowMargins);
  } else {
    applyStyle(hwnd, static_cast<LONG>(kPlainFrameStyle));
  }
}

LRESULT borderZone(const RECT& window, int x, int y, int border) {
  const unsigned mask = (x < window.left + border ? 1u : 0u) | (x >= window.right - border ? 2u : 0u) |
                        (y < window.top + border ? 4u : 0u) | (y >= window.bottom - border ? 8u : 0u);
  switch (mask) {
    case 1: return HTLEFT;
    case 2: return HTRIGHT;
    case 4: return HTTOP;
    case 5: return HTTOPLEFT;
    case 6: return HTTOPRIGHT;
    case 8: return HTBOTTOM;
    case 9: return HTBOTTOMLEFT;
    case 10: return HTBOTTOMRIGHT;
    default: return HTNOWHERE;  // inside, or opposite zones overlapping on a narrow window
  }
}

LRESULT hitTest(const FrameRecord& record, LPARAM lParam) {
  RECT window;
  if (!GetWindowRect(record.hwnd, &window)) return HTNOWHERE;
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  if (record.borderWidth > 0) {
    const LRESULT zone = borderZone(window, x, y, record.borderWidth);
    if (zone != HTNOWHERE) return zone;
  }
  return record.hitTest(window.left, window.top, window.right, window.bottom, x, y) ? HTCAPTION : HTCLIENT;
}

// Both the plain rectangle and NCCALCSIZE_PARAMS start with the rectangle to fill.
void fillWorkAreaWhenMaximized(HWND hwnd, LPARAM lParam) {
  if (!IsZoomed(hwnd)) return;
  HMONITOR monitor = MonitorFromWindow(hwnd, MONITOR_DEFAULTTONULL);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (monitor && GetMonitorInfoW(monitor, &info)) *reinterpret_cast<RECT*>(lParam) = info.rcWork;
}

void switchModeOnSettingChange(FrameRecord& record) {
  const bool wanted = frameSystem().dropShadowFrameWanted();
  bool current = !wanted;
  if (!record.frameExtended.compare_exchange_strong(current, wanted)) return;  // unchanged
  ShowWindow(record.hwnd, SW_HIDE);
  if (wanted) {
    enterFrameMode(record.hwnd, true);
  } else {
    frameSystem().extendFrameIntoClientArea(record.hwnd, kNoMargins);
    applyStyle(record.hwnd, static_cast<LONG>(kPlainFrameStyle));
  }
  ShowWindow(record.hwnd, SW_SHOW);
}

LRESULT frameMessage(FrameRecord& record, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto forward = [&] { return CallWindowProcW(record.savedProcedure, hwnd, message, wParam, lParam); };
  switch (message) {
    case WM_NCHITTEST:
      return hitTest(record, lParam);
    case WM_NCCALCSIZE:
      fillWorkAreaWhenMaximized(hwnd, lParam);
      return 1;
    case WM_NCPAINT:
      return record.frameExtended ? forward() : 0;
    case WM_NCACTIVATE:
      return record.frameExtended ? forward() : 1;
    case WM_NCLBUTTONDBLCLK:
      return record.ignoreCaptionDoubleClick ? 0 : forward();
    case WM_SETTINGCHANGE:
      switchModeOnSettingChange(record);
      return forward();
    default:
      return forward();
  }
}

LRESULT CALLBACK answerZero(HWND, UINT, WPARAM, LPARAM) { return 0; }

LRESULT CALLBACK frameProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return registry().dispatch(
      hwnd, message, wParam, lParam,
      [&](FrameRecord& record) { return frameMessage(record, hwnd, message, wParam, lParam); }, &answerZero);
}

}  // namespace
}  // namespace panehost

namespace panehost {

void detachFrame(HWND hwnd, bool showAfterwards) {
  const auto record = registry().find(hwnd);
  if (!record) return;
  // Detached already, while someone else's procedure sat above ours: nothing to restore.
  if (record->passThrough || !IsWindow(hwnd)) {
    registry().remove(hwnd, record);
    return;
  }
  ShowWindow(hwnd, SW_HIDE);
  registry().remove(hwnd, record);
  if (record->frameExtended) frameSystem().extendFrameIntoClientArea(hwnd, kNoMargins);
  SetWindowLongW(hwnd, GWL_EXSTYLE, record->savedExStyle);
  applyStyle(hwnd, record->savedStyle);
  if (showAfterwards) ShowWindow(hwnd, SW_SHOW);
}

bool hasFrameRecordForTesting(HWND hwnd) { return registry().find(hwnd) != nullptr; }

std::size_t frameRecordCountForTesting() { return registry().sizeForTesting(); }

}  // namespace panehost

using panehost::FrameRecord;

extern "C" PANEHOST_API int attach(HWND hwnd, HitTestCallback hitTest, int borderWidth,
                                                 int ignoreCaptionDoubleClick) {
  if (!IsWindow(hwnd)) return -1;
  if (!hitTest) return -2;
  const bool dropShadow = panehost::frameSystem().dropShadowFrameWanted();
  // An attached window keeps its first record and its procedure: installing the frame
  // procedure again would cut out anyone who subclassed the window after us.
  const auto inserted = panehost::registry().install(hwnd, [&] {
    auto record = std::make_shared<FrameRecord>();
    record->hwnd = hwnd;
    record->borderWidth = borderWidth;
    record->ignoreCaptionDoubleClick = ignoreCaptionDoubleClick != 0;
    record->hitTest = hitTest;
    record->savedStyle = GetWindowLongW(hwnd, GWL_STYLE);
    record->savedExStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
    record->frameExtended = dropShadow;
    return record;
  });
  if (inserted == panehost::SubclassRegistry<FrameRecord>::Install::Failed) return -3;
  ShowWindow(hwnd, SW_HIDE);
  panehost::enterFrameMode(hwnd, dropShadow);
  return 1;
}

extern "C" PANEHOST_API void detach(HWND hwnd) { panehost::detachFrame(hwnd, true); }
