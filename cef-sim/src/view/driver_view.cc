// The driver's levers and read-backs of windowless views.

#include <functional>

#include "cefsim/view.h"
#include "src/browser/browser_registry.h"

namespace cefsim {
namespace driver {
namespace {

// Posts the work when the browser exists and has not closed.
bool Act(int browser_id, std::function<void(CefRefPtr<BrowserImpl>)> work) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  if (!browser || browser->closed())
    return false;
  browser->PostTask([browser, work]() {
    if (!browser->closed())
      work(browser);
  });
  return true;
}

template <class R, class F>
R Read(int browser_id, R empty, F read) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  if (!browser)
    return empty;
  WindowlessView& view = browser->view();
  std::lock_guard<std::mutex> lock(view.mutex());
  return read(view);
}

}  // namespace

bool Paint(int browser_id, bool popup, const std::vector<CefRect>& dirty, int count, int width,
           int height) {
  return Act(browser_id, [=](CefRefPtr<BrowserImpl> b) {
    b->ViewPaint(popup, dirty, count, width, height);
  });
}

bool OpenPopupWidget(int browser_id, const CefRect& rect) {
  return Act(browser_id, [rect](CefRefPtr<BrowserImpl> b) { b->ViewOpenPopup(rect); });
}

bool MovePopupWidget(int browser_id, const CefRect& rect) {
  return Act(browser_id, [rect](CefRefPtr<BrowserImpl> b) { b->ViewMovePopup(rect); });
}

bool ClosePopupWidget(int browser_id) {
  return Act(browser_id, [](CefRefPtr<BrowserImpl> b) { b->ViewClosePopup(); });
}

bool ChangeCursor(int browser_id, int cursor_type) {
  return Act(browser_id, [cursor_type](CefRefPtr<BrowserImpl> b) { b->ViewCursor(cursor_type); });
}

bool StartDrag(int browser_id, const CefString& text, uint32_t allowed_ops, int x, int y) {
  return Act(browser_id, [=](CefRefPtr<BrowserImpl> b) { b->ViewStartDrag(text, allowed_ops, x, y); });
}

std::vector<InputEvent> InputEvents(int browser_id) {
  return Read(browser_id, std::vector<InputEvent>(), [](WindowlessView& v) { return v.inputs; });
}

std::vector<DragCall> DragCalls(int browser_id) {
  return Read(browser_id, std::vector<DragCall>(), [](WindowlessView& v) { return v.drags; });
}

std::vector<bool> StartDraggingAnswers(int browser_id) {
  return Read(browser_id, std::vector<bool>(),
              [](WindowlessView& v) { return v.start_dragging_answers; });
}

int Invalidations(int browser_id, bool popup) {
  return Read(browser_id, 0, [popup](WindowlessView& v) { return v.invalidations[popup ? 1 : 0]; });
}

std::vector<bool> ScreenInfoAnswers(int browser_id) {
  return Read(browser_id, std::vector<bool>(),
              [](WindowlessView& v) { return v.screen_info_answers; });
}

std::vector<float> ScreenScaleFactors(int browser_id) {
  return Read(browser_id, std::vector<float>(),
              [](WindowlessView& v) { return v.screen_scale_factors; });
}

int FrameByte(int browser_id, bool popup, int64_t offset) {
  return Read(browser_id, -1, [popup, offset](WindowlessView& v) {
    const std::vector<uint8_t>& pixels = popup ? v.popup_frame.pixels : v.view_frame.pixels;
    if (offset < 0 || static_cast<uint64_t>(offset) >= pixels.size())
      return -1;
    return static_cast<int>(pixels[static_cast<size_t>(offset)]);
  });
}

PaintTiming PaintTimes(int browser_id) {
  return Read(browser_id, PaintTiming{0, 0}, [](WindowlessView& v) { return v.timing; });
}

int PaintSerial(int browser_id) {
  return Read(browser_id, 0, [](WindowlessView& v) { return v.serial; });
}

}  // namespace driver
}  // namespace cefsim
