#include "jni/strings.h"

#include <algorithm>
#include <string>

#include "jni/modified_utf8.h"

namespace brivon {
namespace {

CefString FromUnits(const char16_t* units, size_t length) {
  CefString out;
  if (length > 0) out.FromString(reinterpret_cast<const char16*>(units), length, true);
  return out;
}

CefString UpToFirstNul(const char16_t* units, size_t length) {
  return FromUnits(units, static_cast<size_t>(std::find(units, units + length, u'\0') - units));
}

// The text as the virtual machine's modified UTF-8 gives it; NUL and supplementary characters
// survive, since modified UTF-8 writes every UTF-16 unit on its own.
std::u16string ReadModifiedUtf8(JNIEnv* env, jstring text) {
  if (text == nullptr) return std::u16string();
  const char* utf = env->GetStringUTFChars(text, nullptr);
  if (utf == nullptr) return std::u16string();
  std::u16string units = DecodeModifiedUtf8(utf);
  env->ReleaseStringUTFChars(text, utf);
  return units;
}

}  // namespace

#if defined(BRIVON_LEGACY)

// The legacy build crosses through the virtual machine's UTF-8 functions, as its clients were
// written for; what reaches the engine is the same text as in the main build.
CefString JavaToCef(JNIEnv* env, jstring text) {
  const std::u16string units = ReadModifiedUtf8(env, text);
  return UpToFirstNul(units.data(), units.size());
}

// NewStringUTF reads modified UTF-8, and the standard UTF-8 of a character beyond the Basic
// Multilingual Plane is none: the virtual machine would mangle it and cut the text short.
LocalRef<jstring> CefToJava(JNIEnv* env, const CefString& text) {
  const std::string utf =
      EncodeBmpUtf8(reinterpret_cast<const char16_t*>(text.c_str()), text.length());
  return LocalRef<jstring>(env, env->NewStringUTF(utf.c_str()));
}

#else

CefString JavaToCef(JNIEnv* env, jstring text) {
  if (text == nullptr) return CefString();
  const jsize length = env->GetStringLength(text);
  const jchar* units = env->GetStringChars(text, nullptr);
  if (units == nullptr) return CefString();
  CefString out =
      UpToFirstNul(reinterpret_cast<const char16_t*>(units), static_cast<size_t>(length));
  env->ReleaseStringChars(text, units);
  return out;
}

LocalRef<jstring> CefToJava(JNIEnv* env, const CefString& text) {
  static const jchar kNoUnits[1] = {0};
  const jchar* units =
      text.length() > 0 ? reinterpret_cast<const jchar*>(text.c_str()) : kNoUnits;
  return LocalRef<jstring>(env, env->NewString(units, static_cast<jsize>(text.length())));
}

#endif

CefString ModifiedUtf8ToCef(JNIEnv* env, jstring text) {
  const std::u16string units = ReadModifiedUtf8(env, text);
  return FromUnits(units.data(), units.size());
}

}  // namespace brivon
