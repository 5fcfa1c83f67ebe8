#ifndef CEFSIM_SRC_UTF_H_
#define CEFSIM_SRC_UTF_H_

#include <cstddef>
#include <string>

namespace cefsim {

// Each conversion replaces what it cannot represent (malformed UTF-8, a lone
// surrogate, a code point beyond U+10FFFF) with U+FFFD and then returns false; NUL
// code units are content like any other.
bool Utf8ToUtf16(const char* src, size_t len, std::u16string* out);
bool Utf16ToUtf8(const char16_t* src, size_t len, std::string* out);
bool WideToUtf16(const wchar_t* src, size_t len, std::u16string* out);
bool Utf16ToWide(const char16_t* src, size_t len, std::wstring* out);

}  // namespace cefsim

#endif  // CEFSIM_SRC_UTF_H_
