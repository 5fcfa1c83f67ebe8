#include "jni/thread_env.h"

#include <iostream>

#include "jni/jvm.h"

namespace brivon {

ThreadEnv::ThreadEnv() : vm_(GetJavaVm()) {
  if (vm_ == nullptr) return;
  void* env = nullptr;
  const jint status = vm_->GetEnv(&env, JNI_VERSION_1_8);
  if (status == JNI_OK) {
    env_ = static_cast<JNIEnv*>(env);
    return;
  }
  // Any other answer (a version the VM does not offer) leaves no usable environment.
  if (status != JNI_EDETACHED) return;
  if (vm_->AttachCurrentThread(&env, nullptr) != JNI_OK) {
    std::cout << kAttachFailedMessage << std::endl;
    return;
  }
  env_ = static_cast<JNIEnv*>(env);
  attached_ = true;
}

ThreadEnv::~ThreadEnv() {
  if (attached_) vm_->DetachCurrentThread();
}

}  // namespace brivon
