#include "png_writer.h"

#include <algorithm>
#include <array>

namespace panehost_test {
namespace {

uint32_t crc32(const std::string& bytes) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) {
        c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      }
      t[n] = c;
    }
    return t;
  }();
  uint32_t c = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    c = table[(c ^ byte) & 0xFF] ^ (c >> 8);
  }
  return c ^ 0xFFFFFFFFu;
}

void appendBigEndian(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<char>((value >> shift) & 0xFF));
  }
}

void appendChunk(std::string& out, const char* type, const std::string& data) {
  appendBigEndian(out, static_cast<uint32_t>(data.size()));
  const std::string typed = std::string(type, 4) + data;
  out += typed;
  appendBigEndian(out, crc32(typed));
}

std::string zlibStored(const std::string& raw) {
  std::string out("\x78\x01", 2);
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min<std::size_t>(raw.size() - offset, 0xFFFF);
    const bool last = offset + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<char>(length & 0xFF));
    out.push_back(static_cast<char>(length >> 8));
    out.push_back(static_cast<char>(~length & 0xFF));
    out.push_back(static_cast<char>((~length >> 8) & 0xFF));
    out.append(raw, offset, length);
    offset += length;
  } while (offset < raw.size());
  uint32_t a = 1;
  uint32_t b = 0;
  for (unsigned char byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  appendBigEndian(out, (b << 16) | a);
  return out;
}

}  // namespace

std::string encodePng(uint32_t width, uint32_t height, const std::vector<Rgba>& pixels) {
  std::string header;
  appendBigEndian(header, width);
  appendBigEndian(header, height);
  header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter, no interlace

  std::string raw;
  for (uint32_t row = 0; row < height; ++row) {
    raw.push_back(0);  // filter type None
    for (uint32_t column = 0; column < width; ++column) {
      const Rgba& p = pixels[row * width + column];
      raw += {static_cast<char>(p.red), static_cast<char>(p.green), static_cast<char>(p.blue),
              static_cast<char>(p.alpha)};
    }
  }

  std::string png("\x89PNG\r\n\x1a\n", 8);
  appendChunk(png, "IHDR", header);
  appendChunk(png, "IDAT", zlibStored(raw));
  appendChunk(png, "IEND", "");
  return png;
}

}  // namespace panehost_test
