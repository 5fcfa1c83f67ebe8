#include "jni/modified_utf8.h"

namespace brivon {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::u16string DecodeModifiedUtf8(const char* text) {
  std::u16string out;
  if (text == nullptr) return out;
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  while (*p != 0) {
    const unsigned char lead = *p;
    if (lead < 0x80) {
      out.push_back(lead);
      p += 1;
    } else if ((lead & 0xE0) == 0xC0 && IsContinuation(p[1])) {
      out.push_back(static_cast<char16_t>(((lead & 0x1F) << 6) | (p[1] & 0x3F)));
      p += 2;
    } else if ((lead & 0xF0) == 0xE0 && IsContinuation(p[1]) && IsContinuation(p[2])) {
      out.push_back(static_cast<char16_t>(((lead & 0x0F) << 12) | ((p[1] & 0x3F) << 6) |
                                          (p[2] & 0x3F)));
      p += 3;
    } else if ((lead & 0xF8) == 0xF0 && IsContinuation(p[1]) && IsContinuation(p[2]) &&
               IsContinuation(p[3])) {
      // Never produced by the virtual machine, but standard UTF-8 from elsewhere is kept whole.
      const char32_t code = ((lead & 0x07) << 18) | ((p[1] & 0x3F) << 12) |
                            ((p[2] & 0x3F) << 6) | (p[3] & 0x3F);
      if (code < 0x10000 || code > 0x10FFFF) {
        out.push_back(kReplacement);
      } else {
        out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
      }
      p += 4;
    } else {
      out.push_back(kReplacement);
      p += 1;
    }
  }
  return out;
}

}  // namespace brivon
