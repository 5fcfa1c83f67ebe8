#include "jni/java_exceptions.h"

namespace brivon {
namespace {
thread_local int t_native_depth = 0;
thread_local jthrowable t_kept = nullptr;  // global reference
}  // namespace

NativeCall::NativeCall(JNIEnv* env) : env_(env) { ++t_native_depth; }

NativeCall::~NativeCall() {
  if (--t_native_depth > 0 || t_kept == nullptr) return;
  jthrowable kept = t_kept;
  t_kept = nullptr;
  // An exception raised by the native method's own JNI use takes precedence.
  if (!env_->ExceptionCheck()) env_->Throw(kept);
  env_->DeleteGlobalRef(kept);
}

bool CatchJavaException(JNIEnv* env, bool attached_here) {
  if (!env->ExceptionCheck()) return false;
  if (attached_here || t_native_depth == 0) {
    env->ExceptionDescribe();  // also clears it
    env->ExceptionClear();
    return true;
  }
  jthrowable thrown = env->ExceptionOccurred();
  env->ExceptionClear();
  if (t_kept == nullptr) {
    t_kept = static_cast<jthrowable>(env->NewGlobalRef(thrown));
  }
  env->DeleteLocalRef(thrown);
  return true;
}

}  // namespace brivon
