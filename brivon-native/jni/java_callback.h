// One call from an engine callback to a method of a registered Java handler:
// get the thread's environment (attaching an engine thread the first time, see ThreadEnv),
// take the handler (safe while the slot is replaced), look the method up on its class, call
// it, catch what it throws.
//
//   JavaCallback call(HandlerSlot::kLoad, "onLoadEnd", "(JJI)V");
//   call.CallVoid(browser_id, frame_id, status);
//
// When the thread cannot be attached, the slot is empty or the method is missing, the Call
// functions do nothing and report that Java was not reached, so the engine callback returns
// the answer that lets the engine go on without Java.
//
// Local references: a JavaCallback is a local frame. Every callback of an iteration of
// doMessageLoopWork runs inside that one native call, so a local reference left behind by each
// callback would pile up there; instead, everything created while the JavaCallback lives is
// released when it is destroyed, whichever way the callback returns. For callers:
// - construct the JavaCallback first, then build the argument objects (strings, arrays,
//   objects) with env(), inside its scope; they need no deletion of their own, though a loop
//   that makes many should still delete or wrap each (the frame holds kLocalCapacity);
// - CallObject hands its answer to a reader function and deletes it afterwards: read what is
//   needed into native values there;
// - a LocalRef that holds anything made inside the scope (an argument) is
//   declared after the JavaCallback, so that it is deleted before the frame is popped: deleting
//   it afterwards names a reference the virtual machine has already freed;
// - references made before the JavaCallback (a caller's own LocalRefs) are not touched by it.
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
  // The local references a callback may hold at once without the virtual machine warning,
  // the same as a native method gets.
  static constexpr jint kLocalCapacity = 32;

  JavaCallback(HandlerSlot slot, const char* name, const char* signature);
  JavaCallback(const JavaCallback&) = delete;
  JavaCallback& operator=(const JavaCallback&) = delete;

  // The environment for building arguments; null when there is none, or no frame for them.
  JNIEnv* env() const { return frame_.ok() ? thread_.env() : nullptr; }
  // True when the method can be called.
  bool ready() const { return method_ != nullptr; }

  // Each returns whether Java ran to completion (reached and did not throw).
  template <typename... Args>
  bool CallVoid(Args... args) {
    if (!ready()) return false;
    env()->CallVoidMethod(handler_.get(), method_, args...);
    return Completed();
  }
  template <typename... Args>
  std::optional<bool> CallBoolean(Args... args) {
    if (!ready()) return std::nullopt;
    const jboolean result = env()->CallBooleanMethod(handler_.get(), method_, args...);
    if (!Completed()) return std::nullopt;
    return result == JNI_TRUE;
  }
  template <typename... Args>
  std::optional<jint> CallInt(Args... args) {
    if (!ready()) return std::nullopt;
    const jint result = env()->CallIntMethod(handler_.get(), method_, args...);
    if (!Completed()) return std::nullopt;
    return result;
  }
  // The answer of a method that returns an object exists only inside `read(JNIEnv*, jobject)`
  // (null answers included), called while this callback's frame and attachment last; it is
  // deleted when `read` returns. So no answer can outlive the thread's attachment.
  template <typename Reader, typename... Args>
  bool CallObject(Reader&& read, Args... args) {
    if (!ready()) return false;
    const jobject answer = env()->CallObjectMethod(handler_.get(), method_, args...);
    if (!Completed()) return false;
    read(env(), answer);
    if (answer != nullptr) env()->DeleteLocalRef(answer);
    return true;
  }

 private:
  bool Completed() { return !CatchJavaException(env(), thread_.attached_here()); }

  // Declared in this order so that the handler and class references go before the frame.
  ThreadEnv thread_;
  LocalFrame frame_;
  LocalRef<jobject> handler_;
  LocalRef<jclass> class_;
  jmethodID method_ = nullptr;
};

}  // namespace brivon
