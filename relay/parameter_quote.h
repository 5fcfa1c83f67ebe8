// The parameter string that hands the payload to the opened file.
#pragma once

#include <string>

namespace linkrelay {

// The payload in double quotes, escaped so that the standard command-line splitting
// (CommandLineToArgvW, the C runtime) reads it back as exactly one argument equal to the payload:
// every double quote gets a backslash, and backslashes directly before a double quote or before
// the closing quote are doubled. Other backslashes pass unchanged, so a payload without
// backslashes comes out as the plain quote-escaped form.
std::wstring quoteParameter(const std::wstring& payload);

}  // namespace linkrelay
