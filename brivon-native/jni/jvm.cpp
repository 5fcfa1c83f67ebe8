#include "jni/jvm.h"

#include <atomic>

namespace brivon {
namespace {
// Read on engine threads while the pumping thread may set it: atomic, not locked.
std::atomic<JavaVM*> g_vm{nullptr};
}  // namespace

void SetJavaVm(JavaVM* vm) { g_vm.store(vm); }
JavaVM* GetJavaVm() { return g_vm.load(); }

}  // namespace brivon
