#ifndef CEFSIM_DRIVER_JNI_JNI_VALUES_H_
#define CEFSIM_DRIVER_JNI_JNI_VALUES_H_

// Engine values as Java values and back, for the driver's native methods. Strings cross
// as UTF-16 code units, NULs and supplementary characters kept. A null result means a
// Java exception is pending.

#include <jni.h>

#include <initializer_list>
#include <vector>

#include "include/cef_base.h"

namespace cefsim_jni {

inline jstring ToJava(JNIEnv* env, const char16* str, size_t length) {
  static const jchar kEmpty = 0;
  const jchar* chars = str ? reinterpret_cast<const jchar*>(str) : &kEmpty;
  return env->NewString(chars, static_cast<jsize>(str ? length : 0));
}

inline jstring ToJava(JNIEnv* env, const CefString& s) {
  return ToJava(env, s.c_str(), s.length());
}

inline jstring ToJava(JNIEnv* env, const cef_string_t& s) {
  return ToJava(env, s.str, s.length);
}

// Fills a new String[]; where get gives no text the entry stays a Java null.
template <class T, class Get>
jobjectArray StringArray(JNIEnv* env, const std::vector<T>& items, Get get) {
  jclass string_class = env->FindClass("java/lang/String");
  if (!string_class)
    return nullptr;
  jobjectArray array = env->NewObjectArray(static_cast<jsize>(items.size()), string_class, nullptr);
  env->DeleteLocalRef(string_class);
  if (!array)
    return nullptr;
  for (size_t i = 0; i < items.size(); ++i) {
    const CefString* text = get(items[i]);
    if (!text)
      continue;
    jstring s = ToJava(env, *text);
    if (!s)
      return nullptr;
    env->SetObjectArrayElement(array, static_cast<jsize>(i), s);
    env->DeleteLocalRef(s);
  }
  return array;
}

inline jobjectArray ObjectArray(JNIEnv* env, std::initializer_list<jobject> items) {
  jclass object_class = env->FindClass("java/lang/Object");
  if (!object_class)
    return nullptr;
  jobjectArray array = env->NewObjectArray(static_cast<jsize>(items.size()), object_class, nullptr);
  env->DeleteLocalRef(object_class);
  if (!array)
    return nullptr;
  jsize i = 0;
  for (jobject item : items) {
    if (!item)
      return nullptr;
    env->SetObjectArrayElement(array, i++, item);
  }
  return array;
}

inline jintArray IntArray(JNIEnv* env, const std::vector<jint>& values) {
  jintArray array = env->NewIntArray(static_cast<jsize>(values.size()));
  if (array)
    env->SetIntArrayRegion(array, 0, static_cast<jsize>(values.size()), values.data());
  return array;
}

inline jlongArray LongArray(JNIEnv* env, const std::vector<jlong>& values) {
  jlongArray array = env->NewLongArray(static_cast<jsize>(values.size()));
  if (array)
    env->SetLongArrayRegion(array, 0, static_cast<jsize>(values.size()), values.data());
  return array;
}


// A Java string's UTF-16 units as an engine string; a Java null reads as empty.
inline CefString FromJava(JNIEnv* env, jstring s) {
  CefString out;
  if (!s)
    return out;
  jsize length = env->GetStringLength(s);
  std::vector<jchar> units(static_cast<size_t>(length));
  if (length > 0)
    env->GetStringRegion(s, 0, length, units.data());
  out.FromString(reinterpret_cast<const char16*>(units.data()), units.size(), true);
  return out;
}

// A rectangle as {x, y, width, height}, or a flat run of them.
inline jintArray RectArray(JNIEnv* env, const std::vector<CefRect>& rects) {
  std::vector<jint> flat;
  for (const CefRect& r : rects) {
    flat.push_back(r.x);
    flat.push_back(r.y);
    flat.push_back(r.width);
    flat.push_back(r.height);
  }
  return IntArray(env, flat);
}

}  // namespace cefsim_jni

#endif  // CEFSIM_DRIVER_JNI_JNI_VALUES_H_
