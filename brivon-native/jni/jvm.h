// The process's Java virtual machine, kept for callbacks that arrive on engine threads.
#pragma once

#include <jni.h>

namespace brivon {

// Set by init from the pumping thread; never cleared, so late callbacks can still attach.
void SetJavaVm(JavaVM* vm);
JavaVM* GetJavaVm();

}  // namespace brivon
