// Text between Java strings and the engine's UTF-16 strings.
#pragma once

#include <jni.h>

#include "engine/prelude.h"
#include "include/internal/cef_string.h"
#include "jni/refs.h"

namespace brivon {

// Null gives the empty string; the text is cut at its first NUL, because the engine's C
// strings end there for many consumers.
CefString JavaToCef(JNIEnv* env, jstring text);

// Every unit crosses unchanged (NUL and supplementary characters included); an empty engine
// string gives "", never null. The legacy build hands Java text that both UTF-8 forms read alike:
// it ends at the first NUL, and each character beyond the Basic Multilingual Plane becomes U+FFFD.
LocalRef<jstring> CefToJava(JNIEnv* env, const CefString& text);

// Settings strings are read in the virtual machine's modified UTF-8; null gives the empty string.
CefString ModifiedUtf8ToCef(JNIEnv* env, jstring text);

}  // namespace brivon
