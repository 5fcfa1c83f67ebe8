// The Java environment of the calling thread, attaching the thread for the lifetime of the
// scope when the virtual machine does not know it yet.
//
// Engine callbacks arrive on the pumping thread (already a Java thread) or on engine threads
// (unknown to the virtual machine). Only the latter are attached, and they are detached again
// when the scope ends so that no engine thread stays registered as a Java thread.
#pragma once

#include <jni.h>

namespace brivon {

inline constexpr char kAttachFailedMessage[] = "c++ attach thread fail";

class ThreadEnv {
 public:
  ThreadEnv();
  ~ThreadEnv();
  ThreadEnv(const ThreadEnv&) = delete;
  ThreadEnv& operator=(const ThreadEnv&) = delete;

  // Null when no environment could be had; the caller then skips its Java work.
  JNIEnv* env() const { return env_; }
  explicit operator bool() const { return env_ != nullptr; }
  // True when this scope attached the thread, i.e. no Java frame is below us on this thread.
  bool attached_here() const { return attached_; }

 private:
  JavaVM* vm_;
  JNIEnv* env_ = nullptr;
  bool attached_ = false;
};

}  // namespace brivon
