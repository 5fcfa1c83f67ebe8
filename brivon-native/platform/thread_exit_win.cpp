#include "platform/thread_exit.h"

#include <windows.h>

namespace brivon::platform {
namespace {

// Fiber-local storage with a callback: the system calls it with the slot's value when the
// thread ends (and for a value still set when the slot is freed, which this one never is).
void WINAPI RunHook(void* value) {
  if (value != nullptr) reinterpret_cast<void (*)()>(value)();
}

DWORD SlotIndex() {
  static const DWORD index = FlsAlloc(&RunHook);
  return index;
}

}  // namespace

bool CallAtThreadExit(void (*hook)()) {
  const DWORD index = SlotIndex();
  return index != FLS_OUT_OF_INDEXES && FlsSetValue(index, reinterpret_cast<void*>(hook)) != 0;
}

}  // namespace brivon::platform
