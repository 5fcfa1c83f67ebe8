// The engine's C string functions: UTF-16 buffers owned through their dtor, and the
// conversions to and from UTF-8 and wchar_t (UTF-16 on Windows, UTF-32 elsewhere).

#include <cstdlib>
#include <cstring>
#include <string>

#include "include/internal/cef_string_types.h"
#include "src/utf.h"

namespace {

// The dtor of every buffer these functions allocate.
template <class Char>
void FreeBuffer(Char* str) {
  delete[] str;
}

template <class Char>
Char* CopyOf(const Char* src, size_t len) {
  Char* buffer = new Char[len + 1];
  if (len)
    std::memcpy(buffer, src, len * sizeof(Char));
  buffer[len] = 0;
  return buffer;
}

void SetOwned(const std::u16string& text, cef_string_utf16_t* output) {
  cef_string_utf16_set(reinterpret_cast<const char16*>(text.data()), text.size(), output, 1);
}

// Works for the three string structs alike; they differ only in their character type.
template <class Str>
void ClearString(Str* str) {
  if (!str)
    return;
  if (str->str && str->dtor)
    str->dtor(str->str);
  str->str = nullptr;
  str->length = 0;
  str->dtor = nullptr;
}

template <class Str, class Char>
void SetCopy(const std::basic_string<Char>& text, Str* output) {
  ClearString(output);
  output->str = CopyOf(text.data(), text.size());
  output->length = text.size();
  output->dtor = FreeBuffer<Char>;
}

}  // namespace

extern "C" {

int cef_string_utf16_set(const char16* src, size_t src_len, cef_string_utf16_t* output, int copy) {
  if (!output)
    return 0;
  // Build the new value before freeing the old one: src may point into it.
  cef_string_utf16_t next = {nullptr, 0, nullptr};
  if (src && src_len > 0) {
    if (copy) {
      next.str = CopyOf(src, src_len);
      next.dtor = FreeBuffer<char16>;
    } else {
      next.str = const_cast<char16*>(src);
    }
    next.length = src_len;
  }
  cef_string_utf16_clear(output);
  *output = next;
  return 1;
}

void cef_string_utf16_clear(cef_string_utf16_t* str) {
  ClearString(str);
}

int cef_string_utf16_cmp(const cef_string_utf16_t* str1, const cef_string_utf16_t* str2) {
  size_t len1 = str1 ? str1->length : 0;
  size_t len2 = str2 ? str2->length : 0;
  size_t common = len1 < len2 ? len1 : len2;
  for (size_t i = 0; i < common; ++i) {
    auto a = static_cast<uint16_t>(str1->str[i]);
    auto b = static_cast<uint16_t>(str2->str[i]);
    if (a != b)
      return a < b ? -1 : 1;
  }
  if (len1 == len2)
    return 0;
  return len1 < len2 ? -1 : 1;
}

int cef_string_utf8_to_utf16(const char* src, size_t src_len, cef_string_utf16_t* output) {
  if (!output)
    return 0;
  std::u16string text;
  bool clean = cefsim::Utf8ToUtf16(src, src_len, &text);
  SetOwned(text, output);
  return clean ? 1 : 0;
}

int cef_string_utf16_to_utf8(const char16* src, size_t src_len, cef_string_utf8_t* output) {
  if (!output)
    return 0;
  std::string text;
  bool clean = cefsim::Utf16ToUtf8(reinterpret_cast<const char16_t*>(src), src_len, &text);
  SetCopy(text, output);
  return clean ? 1 : 0;
}

int cef_string_wide_to_utf16(const wchar_t* src, size_t src_len, cef_string_utf16_t* output) {
  if (!output)
    return 0;
  std::u16string text;
  bool clean = cefsim::WideToUtf16(src, src_len, &text);
  SetOwned(text, output);
  return clean ? 1 : 0;
}

int cef_string_utf16_to_wide(const char16* src, size_t src_len, cef_string_wide_t* output) {
  if (!output)
    return 0;
  std::wstring text;
  bool clean = cefsim::Utf16ToWide(reinterpret_cast<const char16_t*>(src), src_len, &text);
  SetCopy(text, output);
  return clean ? 1 : 0;
}

int cef_string_ascii_to_utf16(const char* src, size_t src_len, cef_string_utf16_t* output) {
  if (!output)
    return 0;
  // The engine checks for ASCII only in debug builds and widens each char as it is, and
  // char is signed in its Windows build: a byte from 0x80 up becomes 0xFF80 to 0xFFFF.
  std::u16string text;
  for (size_t i = 0; src && i < src_len; ++i)
    text.push_back(static_cast<char16_t>(static_cast<signed char>(src[i])));
  SetOwned(text, output);
  return 1;
}

void cef_string_utf8_clear(cef_string_utf8_t* str) {
  ClearString(str);
}

void cef_string_wide_clear(cef_string_wide_t* str) {
  ClearString(str);
}

cef_string_userfree_utf16_t cef_string_userfree_utf16_alloc(void) {
  return static_cast<cef_string_userfree_utf16_t>(std::calloc(1, sizeof(cef_string_utf16_t)));
}

void cef_string_userfree_utf16_free(cef_string_userfree_utf16_t str) {
  if (!str)
    return;
  cef_string_utf16_clear(str);
  std::free(str);
}

}  // extern "C"
