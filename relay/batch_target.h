// Batch files as the file to open. The shell runs them through the command interpreter, which
// reads the parameter string by its own rules: inside double quotes it still ends the quoted
// stretch at the next quote, expands %NAME% (and !NAME! where delayed expansion is on), and
// ends the command at a line break; every other character (& | < > ^ included) is plain text.
#pragma once

#include <string>

namespace linkrelay {

// True when the path names a batch file: ".bat" or ".cmd", in any case, also with the trailing
// dots and spaces that the file system drops from a name.
bool isBatchFile(const std::wstring& path);

// True when the payload holds none of the characters the interpreter acts on inside quotes.
bool isSafeBatchPayload(const std::wstring& payload);

// The payload in double quotes, unescaped: the interpreter takes backslashes as they are, and
// a safe payload holds no quote to escape.
std::wstring quoteBatchParameter(const std::wstring& payload);

}  // namespace linkrelay
