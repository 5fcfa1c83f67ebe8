// Text in the virtual machine's modified UTF-8, the form of GetStringUTFChars and NewStringUTF.
//
// Modified UTF-8 writes each UTF-16 unit on its own (a supplementary character as two 3-byte
// surrogates, NUL as C0 80), so a plain UTF-8 decoder would mangle supplementary characters;
// decoding unit by unit gives back the Java string exactly.
#pragma once

#include <cstddef>
#include <string>

namespace brivon {

std::u16string DecodeModifiedUtf8(const char* text);

// The bytes that standard and modified UTF-8 both read as the same text: UTF-16 units up to
// the first NUL, each character of the Basic Multilingual Plane as itself, and U+FFFD for each
// character beyond it and each unpaired surrogate, which the two forms write differently.
std::string EncodeBmpUtf8(const char16_t* units, size_t length);

}  // namespace brivon
