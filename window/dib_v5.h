// The CF_DIBV5 block that carries an image with alpha: a BITMAPV5HEADER followed at once by
// 32-bit premultiplied BGRA pixels, bottom row first, rows without padding.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace panehost {

// Bytes of pixel data for an image of the given size, or nothing when the image is empty or its
// data would not fit the format's signed 32-bit size.
std::optional<uint32_t> dibV5PixelBytes(uint64_t width, uint64_t height);

// Only for sizes that dibV5PixelBytes accepts.
BITMAPV5HEADER dibV5Header(uint32_t width, uint32_t height);

// Copies height rows of width pixels from a top-down source whose rows are stride bytes apart
// into destination, so that the first source row becomes the last destination row.
void copyRowsBottomUp(const uint8_t* top, std::ptrdiff_t stride, uint32_t width, uint32_t height,
                      uint8_t* destination);

}  // namespace panehost
