#include "src/view/windowless_view.h"

#include <algorithm>

namespace cefsim {

int WindowlessView::NextSerial() {
  std::lock_guard<std::mutex> lock(mutex_);
  return ++serial;
}

uint8_t* WindowlessView::PaintFrame(bool popup,
                                    int width,
                                    int height,
                                    const std::vector<CefRect>& dirty,
                                    int serial_number) {
  std::lock_guard<std::mutex> lock(mutex_);
  Frame& frame = popup ? popup_frame : view_frame;
  const size_t size = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
  if (frame.width != width || frame.height != height || frame.pixels.size() != size) {
    frame.width = width;
    frame.height = height;
    frame.pixels.assign(size, 0);
  }
  for (const CefRect& r : dirty) {
    const int x0 = std::max(0, r.x);
    const int y0 = std::max(0, r.y);
    const int x1 = std::min(width, r.x + std::max(0, r.width));
    const int y1 = std::min(height, r.y + std::max(0, r.height));
    for (int y = y0; y < y1; ++y) {
      uint8_t* row = frame.pixels.data() + (static_cast<size_t>(y) * width) * 4;
      for (int x = x0; x < x1; ++x) {
        uint8_t* px = row + static_cast<size_t>(x) * 4;
        px[0] = static_cast<uint8_t>(x);
        px[1] = static_cast<uint8_t>(y);
        px[2] = static_cast<uint8_t>(x ^ y ^ serial_number);
        px[3] = 0xff;
      }
    }
  }
  return frame.pixels.data();
}

}  // namespace cefsim
