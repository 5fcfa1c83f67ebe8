#include "parameter_quote.h"

namespace linkrelay {

std::wstring quoteParameter(const std::wstring& payload) {
  std::wstring quoted(1, L'"');
  std::size_t backslashes = 0;
  for (wchar_t c : payload) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') {
      // A run of backslashes before a quote is halved by the splitter, and one more escapes it.
      quoted.append(backslashes * 2 + 1, L'\\');
    } else {
      quoted.append(backslashes, L'\\');
    }
    backslashes = 0;
    quoted.push_back(c);
  }
  quoted.append(backslashes * 2, L'\\');  // they stand before the closing quote
  quoted.push_back(L'"');
  return quoted;
}

}  // namespace linkrelay
