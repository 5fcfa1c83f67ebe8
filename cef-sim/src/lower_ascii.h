#ifndef CEFSIM_SRC_LOWER_ASCII_H_
#define CEFSIM_SRC_LOWER_ASCII_H_

#include <string>

#include "include/internal/cef_string.h"

namespace cefsim {

// The engine folds switch and scheme names to lower case byte by byte: only A to Z
// change, so a name outside ASCII keeps its capitals.
inline CefString LowerAscii(const CefString& text) {
  base::string16 out = text.ToString16();
  for (auto& c : out) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char16>(c - 'A' + 'a');
  }
  return CefString(out);
}

// The same for header values and markup, which the engine also compares in ASCII case only.
inline std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace cefsim

#endif  // CEFSIM_SRC_LOWER_ASCII_H_
