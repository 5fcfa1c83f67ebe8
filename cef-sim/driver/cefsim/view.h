#ifndef CEFSIM_DRIVER_CEFSIM_VIEW_H_
#define CEFSIM_DRIVER_CEFSIM_VIEW_H_

// The windowless view of a browser: paints, the popup widget, the cursor and drags that
// the page starts, played by the driver; input and drop-target calls that reached the
// host, recorded with every field. The levers post their work to the UI thread, where it
// runs in a later loop iteration; each returns false for an unknown or closed browser.
// Read-backs may be called from any thread.
//
// Pixels: every frame holds width * height * 4 bytes, B, G, R, A a pixel, rows top to
// bottom without padding. The byte at offset o of a frame of width w is, with
// p = o / 4, x = p % w, y = p / w:
//   B = x & 0xff, G = y & 0xff, R = (x ^ y ^ serial) & 0xff, A = 0xff,
// where serial is the paint's number for that browser (1 for its first paint). A paint
// refills only its dirty rectangles; pixels outside them keep what the frame held.

#include <cstdint>
#include <vector>

#include "include/cef_base.h"

namespace cefsim {
namespace driver {

enum InputKind { kInputClick = 0, kInputMove = 1, kInputWheel = 2, kInputKey = 3 };

// One input call on the host. Fields that the call does not carry are 0.
struct InputEvent {
  int kind;
  int x;
  int y;
  uint32_t modifiers;
  int button;
  bool mouse_up;
  int click_count;
  bool mouse_leave;
  int delta_x;
  int delta_y;
  int key_type;
  int windows_key_code;
  int native_key_code;
  int is_system_key;
  int character;
  int unmodified_character;
  int focus_on_editable_field;
};

enum DragCallKind {
  kDragEnter = 0,
  kDragOver = 1,
  kDragLeave = 2,
  kDragDrop = 3,
  kDragSourceEndedAt = 4,
  kDragSourceSystemEnded = 5,
};

// One drop-target or drag-source call on the host.
struct DragCall {
  int kind;
  int x;
  int y;
  uint32_t modifiers;
  uint32_t allowed_ops;    // enter and over; the operation for kDragSourceEndedAt
  bool has_data;           // enter: drag data was given
  bool engine_data;        // enter: the very drag data the page's drag started with
  CefString text;          // enter: the data's fragment text
};

struct PaintTiming {
  int64_t paints;          // OnPaint calls made
  int64_t nanoseconds;     // time spent inside them
};

// Paints the view (popup false) or the popup widget (popup true) `count` times in one
// task: the view at the size GetViewRect last gave, the popup at `width` x `height`
// (a popup of no size is painted as 1 x 1). `dirty` holds the dirty rectangles as given
// (an empty list is passed on empty).
bool Paint(int browser_id, bool popup, const std::vector<CefRect>& dirty, int count,
           int width, int height);
// The page's select list opens: OnPopupSize(rect), OnPopupShow(true), a full popup paint.
bool OpenPopupWidget(int browser_id, const CefRect& rect);
// Only OnPopupSize(rect).
bool MovePopupWidget(int browser_id, const CefRect& rect);
// The list closes: OnPopupShow(false).
bool ClosePopupWidget(int browser_id);
bool ChangeCursor(int browser_id, int cursor_type);
// The user drags a selection of `text`: StartDragging(data, allowed_ops, x, y).
bool StartDrag(int browser_id, const CefString& text, uint32_t allowed_ops, int x, int y);

std::vector<InputEvent> InputEvents(int browser_id);
std::vector<DragCall> DragCalls(int browser_id);
// StartDragging's answers, in order.
std::vector<bool> StartDraggingAnswers(int browser_id);
// Invalidate calls per element type, and the full view repaints they led to.
int Invalidations(int browser_id, bool popup);
// GetScreenInfo's answers, in order; with the device scale factor the structure held after it.
std::vector<bool> ScreenInfoAnswers(int browser_id);
std::vector<float> ScreenScaleFactors(int browser_id);
// The byte at `offset` of the view's or the popup's frame memory as it is now, -1 when
// out of range. The memory is the engine's own: a write into the buffer during OnPaint
// shows here.
int FrameByte(int browser_id, bool popup, int64_t offset);
PaintTiming PaintTimes(int browser_id);
// The paint serial of the last paint, 0 before any.
int PaintSerial(int browser_id);

// The pattern byte of the frame formula above.
inline int PatternByte(int width, int serial, int64_t offset) {
  const int64_t p = offset / 4;
  const int x = static_cast<int>(p % width);
  const int y = static_cast<int>(p / width);
  switch (offset % 4) {
    case 0: return x & 0xff;
    case 1: return y & 0xff;
    case 2: return (x ^ y ^ serial) & 0xff;
    default: return 0xff;
  }
}

}  // namespace driver
}  // namespace cefsim

#endif  // CEFSIM_DRIVER_CEFSIM_VIEW_H_
