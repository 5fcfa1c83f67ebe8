#include "dib_v5.h"

#include <cstring>
#include <limits>

namespace panehost {
namespace {

constexpr uint64_t kBytesPerPixel = 4;
constexpr DWORD kRedMask = 0x00FF0000;
constexpr DWORD kGreenMask = 0x0000FF00;
constexpr DWORD kBlueMask = 0x000000FF;
constexpr DWORD kAlphaMask = 0xFF000000;
constexpr DWORD kSrgbColourSpace = 0x73524742;  // LCS_sRGB, which the headers spell as a multi-character literal

}  // namespace

std::optional<uint32_t> dibV5PixelBytes(uint64_t width, uint64_t height) {
  constexpr uint64_t kLimit = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());
  if (width == 0 || height == 0 || width > kLimit || height > kLimit) {
    return std::nullopt;
  }
  // Both factors are below 2^31, so the product of three cannot overflow 64 bits.
  const uint64_t bytes = width * height * kBytesPerPixel;
  if (bytes > kLimit) {
    return std::nullopt;
  }
  return static_cast<uint32_t>(bytes);
}

BITMAPV5HEADER dibV5Header(uint32_t width, uint32_t height) {
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof(BITMAPV5HEADER);
  header.bV5Width = static_cast<LONG>(width);
  header.bV5Height = static_cast<LONG>(height);  // positive: bottom-up rows
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5SizeImage = static_cast<DWORD>(width * kBytesPerPixel * height);
  header.bV5RedMask = kRedMask;
  header.bV5GreenMask = kGreenMask;
  header.bV5BlueMask = kBlueMask;
  header.bV5AlphaMask = kAlphaMask;
  header.bV5CSType = kSrgbColourSpace;
  header.bV5Intent = LCS_GM_IMAGES;
  return header;
}

void copyRowsBottomUp(const uint8_t* top, std::ptrdiff_t stride, uint32_t width, uint32_t height,
                      uint8_t* destination) {
  const std::size_t rowBytes = static_cast<std::size_t>(width) * kBytesPerPixel;
  for (uint32_t row = 0; row < height; ++row) {
    std::memcpy(destination + static_cast<std::size_t>(height - 1 - row) * rowBytes,
                top + static_cast<std::ptrdiff_t>(row) * stride, rowBytes);
  }
}

}  // namespace panehost
