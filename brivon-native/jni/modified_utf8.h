// The virtual machine's modified UTF-8 (GetStringUTFChars) decoded to UTF-16 code units.
//
// Modified UTF-8 writes each UTF-16 unit on its own (a supplementary character as two 3-byte
// surrogates, NUL as C0 80), so a plain UTF-8 decoder would mangle supplementary characters;
// decoding unit by unit gives back the Java string exactly.
#pragma once

#include <string>

namespace brivon {

std::u16string DecodeModifiedUtf8(const char* text);

}  // namespace brivon
