// One call from an engine callback to a method of a registered Java handler:
// get the thread's environment (attaching if needed), look the method up on the handler's
// class, call it, catch what it throws, detach again.
//
//   JavaCallback call(HandlerSlot::kLoad, "onLoadEnd", "(JJI)V");
//   call.CallVoid(browser_id, frame_id, status);
//
// When the thread cannot be attached, the slot is empty or the method is missing, the Call
// functions do nothing and report that Java was not reached, so the engine callback returns
// the answer that lets the engine go on without Java.
#pragma once

#include <jni.h>

#include <optional>

#include "jni/java_exceptions.h"
#include "jni/refs.h"
#include "jni/registry.h"
#include "jni/thread_env.h"

namespace brivon {

class JavaCallback {
 public:
  JavaCallback(HandlerSlot slot, const char* name, const char* signature);
  JavaCallback(const JavaCallback&) = delete;
  JavaCallback& operator=(const JavaCallback&) = delete;

  // The environment for building arguments; null when there is none.
  JNIEnv* env() const { return thread_.env(); }
  // True when the method can be called.
  bool ready() const { return method_ != nullptr; }

  // Each returns whether Java ran to completion (reached and did not throw).
  template <typename... Args>
  bool CallVoid(Args... args) {
    if (!ready()) return false;
    env()->CallVoidMethod(handler_, method_, args...);
    return Completed();
  }
  template <typename... Args>
  std::optional<bool> CallBoolean(Args... args) {
    if (!ready()) return std::nullopt;
    const jboolean result = env()->CallBooleanMethod(handler_, method_, args...);
    if (!Completed()) return std::nullopt;
    return result == JNI_TRUE;
  }
  template <typename... Args>
  std::optional<jint> CallInt(Args... args) {
    if (!ready()) return std::nullopt;
    const jint result = env()->CallIntMethod(handler_, method_, args...);
    if (!Completed()) return std::nullopt;
    return result;
  }
  template <typename... Args>
  LocalRef<jobject> CallObject(Args... args) {
    if (!ready()) return LocalRef<jobject>();
    LocalRef<jobject> result(env(), env()->CallObjectMethod(handler_, method_, args...));
    if (!Completed()) return LocalRef<jobject>();
    return result;
  }

 private:
  bool Completed() { return !CatchJavaException(env(), thread_.attached_here()); }

  ThreadEnv thread_;
  jobject handler_ = nullptr;
  LocalRef<jclass> class_;
  jmethodID method_ = nullptr;
};

}  // namespace brivon
