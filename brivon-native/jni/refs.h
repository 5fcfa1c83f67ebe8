// Scoped JNI references: a local reference deleted when the scope ends, a local frame that
// releases every local reference made inside it, and a global reference owned by one slot of
// process-wide state.
#pragma once

#include <jni.h>

#include <utility>

namespace brivon {

template <typename T>
class LocalRef {
 public:
  LocalRef() = default;
  LocalRef(JNIEnv* env, T ref) : env_(env), ref_(ref) {}
  ~LocalRef() { reset(); }
  LocalRef(LocalRef&& other) noexcept
      : env_(other.env_), ref_(std::exchange(other.ref_, nullptr)) {}
  LocalRef& operator=(LocalRef&& other) noexcept {
    if (this != &other) {
      reset();
      env_ = other.env_;
      ref_ = std::exchange(other.ref_, nullptr);
    }
    return *this;
  }
  LocalRef(const LocalRef&) = delete;
  LocalRef& operator=(const LocalRef&) = delete;

  T get() const { return ref_; }
  explicit operator bool() const { return ref_ != nullptr; }
  // Hands the reference to the caller, typically as a native method's result.
  T release() { return std::exchange(ref_, nullptr); }
  void reset() {
    if (ref_ != nullptr) env_->DeleteLocalRef(ref_);
    ref_ = nullptr;
  }

 private:
  JNIEnv* env_ = nullptr;
  T ref_ = nullptr;
};

// A local frame for the scope: every local reference created while it is the innermost frame is
// released when the scope ends, whichever way it ends. Native methods that loop over Java
// objects, and engine callbacks (all of which run inside one native frame of the pumping
// thread), use one so that their locals cannot pile up in the frame of their caller.
// A LocalRef made inside the frame must be gone before the frame is: deleting it afterwards
// would name a reference the virtual machine has already freed.
class LocalFrame {
 public:
  // A null environment makes no frame. When the virtual machine cannot reserve `capacity`
  // references, no frame is made and its OutOfMemoryError is pending: check ok().
  LocalFrame(JNIEnv* env, jint capacity)
      : env_(env != nullptr && env->PushLocalFrame(capacity) == JNI_OK ? env : nullptr) {}
  ~LocalFrame() {
    if (env_ != nullptr) env_->PopLocalFrame(nullptr);
  }
  LocalFrame(const LocalFrame&) = delete;
  LocalFrame& operator=(const LocalFrame&) = delete;

  bool ok() const { return env_ != nullptr; }

 private:
  JNIEnv* env_;
};

// A global reference kept in process-wide state. It is released explicitly with the
// environment of the releasing thread, because global state outlives any one thread.
class GlobalRef {
 public:
  GlobalRef() = default;
  GlobalRef(const GlobalRef&) = delete;
  GlobalRef& operator=(const GlobalRef&) = delete;

  jobject get() const { return ref_; }
  explicit operator bool() const { return ref_ != nullptr; }

  // Drops the reference held before and keeps a new one to `object` (none for null).
  void Reset(JNIEnv* env, jobject object) {
    Release(env);
    if (object != nullptr) ref_ = env->NewGlobalRef(object);
  }
  void Release(JNIEnv* env) {
    if (ref_ != nullptr) env->DeleteGlobalRef(ref_);
    ref_ = nullptr;
  }

 private:
  jobject ref_ = nullptr;
};

}  // namespace brivon
