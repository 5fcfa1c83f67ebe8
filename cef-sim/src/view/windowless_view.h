#ifndef CEFSIM_SRC_VIEW_WINDOWLESS_VIEW_H_
#define CEFSIM_SRC_VIEW_WINDOWLESS_VIEW_H_

#include <cstdint>
#include <mutex>
#include <vector>

#include "cefsim/view.h"
#include "include/cef_drag_data.h"
#include "include/internal/cef_types_wrappers.h"

namespace cefsim {

// What a windowless browser's view holds: its frames (the engine's own pixel memory, kept
// between paints as a compositor's surface is), the popup widget, the drag the page
// started, and the records of what reached the host. Its own lock guards it; it is never
// held while client code runs, except that the frame memory is handed to OnPaint on the
// UI thread, the only thread that writes it.
class WindowlessView {
 public:
  struct Frame {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
  };

  // UI thread: the frame of the element resized to width x height (contents of a resized
  // frame are undefined until painted: here zero), then the dirty rectangles refilled with
  // the pattern of `serial`. Returns the frame memory.
  uint8_t* PaintFrame(bool popup, int width, int height, const std::vector<CefRect>& dirty,
                      int serial);
  int NextSerial();

  std::mutex& mutex() { return mutex_; }

  // Guarded by mutex().
  CefRect view_size;          // from the last GetViewRect
  CefRect popup_rect;         // from the last OnPopupSize
  bool popup_shown = false;
  CefRefPtr<CefDragData> source_drag;  // the page's drag while the client holds it
  bool target_entered = false;         // a drag is over the view as drop target
  uint32_t target_ops = 0;             // what that drag allows
  std::vector<driver::InputEvent> inputs;
  std::vector<driver::DragCall> drags;
  std::vector<bool> start_dragging_answers;
  std::vector<bool> screen_info_answers;
  std::vector<float> screen_scale_factors;
  int invalidations[2] = {0, 0};
  driver::PaintTiming timing = {0, 0};
  int serial = 0;

  // UI thread only for writing; readers take mutex().
  Frame view_frame;
  Frame popup_frame;

 private:
  std::mutex mutex_;
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_VIEW_WINDOWLESS_VIEW_H_
