#include "jni/thread_env.h"

#include <iostream>

#include "jni/jvm.h"
#include "platform/thread_exit.h"

namespace brivon {
namespace {

// Set on a thread the bridge attached; only such a thread is ever detached by the bridge.
thread_local bool t_attached_by_bridge = false;

// Armed only on threads the bridge attached.
void DetachAtThreadEnd() {
  if (JavaVM* vm = GetJavaVm()) vm->DetachCurrentThread();
}

}  // namespace

ThreadEnv::ThreadEnv() {
  JavaVM* vm = GetJavaVm();
  if (vm == nullptr) return;
  void* env = nullptr;
  const jint status = vm->GetEnv(&env, JNI_VERSION_1_8);
  if (status == JNI_OK) {
    env_ = static_cast<JNIEnv*>(env);
    attached_ = t_attached_by_bridge;
    return;
  }
  // Any other answer (a version the VM does not offer) leaves no usable environment.
  if (status != JNI_EDETACHED) return;
  if (vm->AttachCurrentThreadAsDaemon(&env, nullptr) != JNI_OK) {
    std::cout << kAttachFailedMessage << std::endl;
    return;
  }
  // Without a hook the thread could not be detached at its end: leave it as it was found.
  if (!platform::CallAtThreadExit(&DetachAtThreadEnd)) {
    vm->DetachCurrentThread();
    std::cout << kAttachFailedMessage << std::endl;
    return;
  }
  t_attached_by_bridge = true;
  env_ = static_cast<JNIEnv*>(env);
  attached_ = true;
}

}  // namespace brivon
