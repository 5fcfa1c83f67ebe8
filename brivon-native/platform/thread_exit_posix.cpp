#include "platform/thread_exit.h"

#include <pthread.h>

namespace brivon::platform {
namespace {

pthread_key_t g_key;
bool g_key_made = false;

// The key's value is the hook itself; the system calls this with it as the thread ends.
void RunHook(void* value) { reinterpret_cast<void (*)()>(value)(); }

void MakeKey() { g_key_made = pthread_key_create(&g_key, &RunHook) == 0; }

}  // namespace

bool CallAtThreadExit(void (*hook)()) {
  static pthread_once_t once = PTHREAD_ONCE_INIT;
  pthread_once(&once, &MakeKey);
  return g_key_made && pthread_setspecific(g_key, reinterpret_cast<void*>(hook)) == 0;
}

}  // namespace brivon::platform
