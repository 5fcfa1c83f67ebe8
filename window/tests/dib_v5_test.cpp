// Sizes that the CF_DIBV5 block can and cannot carry, and the row order of its pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "dib_v5.h"

namespace {

TEST(DibV5Size, AcceptsOnlySizesWhosePixelDataFitsASigned32BitCount) {
  struct Case {
    uint64_t width, height;
    bool fits;
    uint32_t bytes;
  };
  const Case cases[] = {
      {1, 1, true, 4},
      {3, 2, true, 24},
      {0, 10, false, 0},
      {10, 0, false, 0},
      {23170, 23170, true, 2147395600u},     // just below 2^31
      {16384, 32768, false, 0},              // exactly 2^31 bytes
      {1, 536870911, true, 2147483644u},     // the largest single column
      {536870912, 1, false, 0},
      {65536, 65536, false, 0},              // 2^34: would wrap to 0 in 32 bits
      {0x80000000u, 1, false, 0},            // wider than a LONG
      {0x100000001ull, 0x100000001ull, false, 0},
  };
  for (const Case& c : cases) {
    const auto bytes = panehost::dibV5PixelBytes(c.width, c.height);
    EXPECT_EQ(bytes.has_value(), c.fits) << c.width << " x " << c.height;
    if (bytes && c.fits) {
      EXPECT_EQ(*bytes, c.bytes) << c.width << " x " << c.height;
    }
  }
}

TEST(DibV5Rows, FirstSourceRowBecomesLastAndStridePaddingIsDropped) {
  // Two pixels per row, rows 12 bytes apart (4 bytes of padding each), three rows.
  std::vector<uint8_t> source(36, 0xEE);
  for (int row = 0; row < 3; ++row) {
    for (int byte = 0; byte < 8; ++byte) {
      source[row * 12 + byte] = static_cast<uint8_t>(row * 16 + byte);
    }
  }
  std::vector<uint8_t> rows(24, 0);
  panehost::copyRowsBottomUp(source.data(), 12, 2, 3, rows.data());
  for (int row = 0; row < 3; ++row) {
    for (int byte = 0; byte < 8; ++byte) {
      EXPECT_EQ(rows[(2 - row) * 8 + byte], row * 16 + byte) << "source row " << row << " byte " << byte;
    }
  }
}

}  // namespace
