#include "jni/modified_utf8.h"

namespace brivon {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }
bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

void AppendUtf8(char16_t unit, std::string& out) {
  if (unit < 0x80) {
    out.push_back(static_cast<char>(unit));
  } else if (unit < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
    out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  }
}

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

std::string EncodeBmpUtf8(const char16_t* units, size_t length) {
  std::string out;
  for (size_t i = 0; i < length && units[i] != 0; ++i) {
    const char16_t unit = units[i];
    if (!IsSurrogate(unit)) {
      AppendUtf8(unit, out);
      continue;
    }
    // A whole pair is one character and gets one replacement.
    if (IsHighSurrogate(unit) && i + 1 < length && IsLowSurrogate(units[i + 1])) ++i;
    AppendUtf8(kReplacement, out);
  }
  return out;
}

}  // namespace brivon
