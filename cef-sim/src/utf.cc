#include "src/utf.h"

namespace cefsim {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

void AppendUtf16(char32_t c, std::u16string* out) {
  if (c < 0x10000) {
    out->push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out->push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out->push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  }
}

void AppendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (c >> 18)));
    out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Reads one code point of UTF-16 at src[*i], advancing *i; false for a lone surrogate.
bool NextUtf16(const char16_t* src, size_t len, size_t* i, char32_t* c) {
  char32_t unit = src[(*i)++];
  if (unit >= 0xD800 && unit <= 0xDBFF && *i < len && src[*i] >= 0xDC00 && src[*i] <= 0xDFFF) {
    *c = 0x10000 + ((unit - 0xD800) << 10) + (src[(*i)++] - 0xDC00);
    return true;
  }
  if (IsSurrogate(unit)) {
    *c = kReplacement;
    return false;
  }
  *c = unit;
  return true;
}

}  // namespace

bool Utf8ToUtf16(const char* src, size_t len, std::u16string* out) {
  out->clear();
  bool clean = true;
  const auto* s = reinterpret_cast<const unsigned char*>(src);
  size_t i = 0;
  while (i < len) {
    unsigned char lead = s[i];
    if (lead < 0x80) {
      out->push_back(lead);
      ++i;
      continue;
    }
    // The allowed range of the second byte rules out overlong forms, surrogates and
    // code points beyond U+10FFFF; later bytes are plain continuation bytes.
    size_t need;
    unsigned char lo = 0x80, hi = 0xBF;
    char32_t c;
    if (lead >= 0xC2 && lead <= 0xDF) {
      need = 1;
      c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      need = 2;
      c = lead & 0x0F;
      if (lead == 0xE0)
        lo = 0xA0;
      if (lead == 0xED)
        hi = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      need = 3;
      c = lead & 0x07;
      if (lead == 0xF0)
        lo = 0x90;
      if (lead == 0xF4)
        hi = 0x8F;
    } else {
      out->push_back(static_cast<char16_t>(kReplacement));
      clean = false;
      ++i;
      continue;
    }
    size_t j = i + 1;
    size_t got = 0;
    while (got < need && j < len) {
      unsigned char b = s[j];
      if (got == 0 ? (b < lo || b > hi) : (b < 0x80 || b > 0xBF))
        break;
      c = (c << 6) | (b & 0x3F);
      ++got;
      ++j;
    }
    if (got < need) {
      // A truncated or broken sequence counts once, however many bytes it had.
      out->push_back(static_cast<char16_t>(kReplacement));
      clean = false;
    } else {
      AppendUtf16(c, out);
    }
    i = j;
  }
  return clean;
}

bool Utf16ToUtf8(const char16_t* src, size_t len, std::string* out) {
  out->clear();
  bool clean = true;
  size_t i = 0;
  while (i < len) {
    char32_t c;
    clean &= NextUtf16(src, len, &i, &c);
    AppendUtf8(c, out);
  }
  return clean;
}

bool WideToUtf16(const wchar_t* src, size_t len, std::u16string* out) {
  out->clear();
  if constexpr (sizeof(wchar_t) == 2) {
    out->assign(reinterpret_cast<const char16_t*>(src), len);
    return true;
  } else {
    bool clean = true;
    for (size_t i = 0; i < len; ++i) {
      auto c = static_cast<char32_t>(src[i]);
      if (c > 0x10FFFF || IsSurrogate(c)) {
        c = kReplacement;
        clean = false;
      }
      AppendUtf16(c, out);
    }
    return clean;
  }
}

bool Utf16ToWide(const char16_t* src, size_t len, std::wstring* out) {
  out->clear();
  if constexpr (sizeof(wchar_t) == 2) {
    out->assign(reinterpret_cast<const wchar_t*>(src), len);
    return true;
  } else {
    bool clean = true;
    size_t i = 0;
    while (i < len) {
      char32_t c;
      clean &= NextUtf16(src, len, &i, &c);
      out->push_back(static_cast<wchar_t>(c));
    }
    return clean;
  }
}

}  // namespace cefsim
