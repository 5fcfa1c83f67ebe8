// Writes small RGBA PNG files for the clipboard tests, so that the test images and the pixel
// values expected from them sit in the test itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace panehost_test {

struct Rgba {
  uint8_t red, green, blue, alpha;
};

// The encoded file: 8-bit RGBA (colour type 6), rows top-down, deflate with stored blocks.
std::string encodePng(uint32_t width, uint32_t height, const std::vector<Rgba>& pixels);

}  // namespace panehost_test
