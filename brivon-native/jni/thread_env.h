// The Java environment of the calling thread, attaching the thread when the virtual machine
// does not know it yet.
//
// Engine callbacks arrive on the pumping thread (already a Java thread) or on engine threads
// (unknown to the virtual machine). An engine thread is attached the first time it calls Java,
// as a daemon (it never holds the virtual machine's exit), and stays attached for the rest of
// its life: attaching costs far more than a call, and a loader thread calls Java several times
// per request. It is detached by a hook that runs as the thread ends. The pumping thread and
// any thread Java attached itself are never detached by the bridge.
#pragma once

#include <jni.h>

namespace brivon {

inline constexpr char kAttachFailedMessage[] = "c++ attach thread fail";

class ThreadEnv {
 public:
  ThreadEnv();
  ~ThreadEnv() = default;
  ThreadEnv(const ThreadEnv&) = delete;
  ThreadEnv& operator=(const ThreadEnv&) = delete;

  // Null when no environment could be had; the caller then skips its Java work.
  JNIEnv* env() const { return env_; }
  explicit operator bool() const { return env_ != nullptr; }
  // True when the bridge attached this thread (now or on an earlier call), i.e. no Java frame
  // is below us on this thread.
  bool attached_here() const { return attached_; }

 private:
  JNIEnv* env_ = nullptr;
  bool attached_ = false;
};

}  // namespace brivon
