// Parent paths of Windows paths, for the working directory of the opened file.
#pragma once

#include <string>

namespace linkrelay {

// The path without its last element and the separators (backslash or slash) before it. A root
// stays whole: a drive ("C:", "C:\"), a server share ("\\server\share\") or a leading separator;
// a root alone is its own parent. A single element yields an empty string.
std::wstring parentPath(const std::wstring& path);

}  // namespace linkrelay
