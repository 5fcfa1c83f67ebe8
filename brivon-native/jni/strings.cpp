#include "jni/strings.h"

#include <algorithm>
#include <string>

#include "jni/modified_utf8.h"

namespace brivon {
namespace {

CefString FromUnits(const jchar* units, size_t length) {
  CefString out;
  if (length > 0) out.FromString(reinterpret_cast<const char16*>(units), length, true);
  return out;
}

}  // namespace

#if defined(BRIVON_LEGACY)

// The legacy build crosses through UTF-8 in both directions, as its clients were written for.
CefString JavaToCef(JNIEnv* env, jstring text) {
  CefString out;
  if (text == nullptr) return out;
  const char* utf = env->GetStringUTFChars(text, nullptr);
  if (utf == nullptr) return out;
  out.FromString(std::string(utf));
  env->ReleaseStringUTFChars(text, utf);
  return out;
}

LocalRef<jstring> CefToJava(JNIEnv* env, const CefString& text) {
  return LocalRef<jstring>(env, env->NewStringUTF(text.ToString().c_str()));
}

#else

CefString JavaToCef(JNIEnv* env, jstring text) {
  if (text == nullptr) return CefString();
  const jsize length = env->GetStringLength(text);
  const jchar* units = env->GetStringChars(text, nullptr);
  if (units == nullptr) return CefString();
  const jchar* end = std::find(units, units + length, jchar{0});
  CefString out = FromUnits(units, static_cast<size_t>(end - units));
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
  if (text == nullptr) return CefString();
  const char* utf = env->GetStringUTFChars(text, nullptr);
  if (utf == nullptr) return CefString();
  const std::u16string units = DecodeModifiedUtf8(utf);
  env->ReleaseStringUTFChars(text, utf);
  return FromUnits(reinterpret_cast<const jchar*>(units.data()), units.size());
}

}  // namespace brivon
