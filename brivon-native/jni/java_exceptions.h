// What happens to an exception that a Java handler throws into an engine callback.
//
// The engine goes on after a callback whatever Java did, and further JNI calls with an exception
// pending are undefined. So every Java call from a callback is followed by CatchJavaException:
// - on a thread that is inside a native call from Java (NativeCall is on its stack), the first
//   throwable is kept and thrown again when that outermost native call returns to Java, so the
//   caller of doMessageLoopWork (or createBrowser, init...) sees its handler's exception;
// - on a thread attached only for the callback, no Java caller exists: the exception is
//   described on standard error and cleared.
#pragma once

#include <jni.h>

namespace brivon {

// Marks the extent of one exported native method on the calling Java thread.
class NativeCall {
 public:
  explicit NativeCall(JNIEnv* env);
  ~NativeCall();
  NativeCall(const NativeCall&) = delete;
  NativeCall& operator=(const NativeCall&) = delete;

 private:
  JNIEnv* env_;
};

// Returns true when the last Java call threw; the exception is then no longer pending.
bool CatchJavaException(JNIEnv* env, bool attached_here);

}  // namespace brivon
