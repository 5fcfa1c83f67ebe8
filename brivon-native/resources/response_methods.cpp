#include "resources/response_methods.h"

#include <array>
#include <atomic>

#include "jni/refs.h"

namespace brivon::resources {
namespace {

struct Signature {
  const char* name;
  const char* descriptor;
};

constexpr std::array<Signature, 7> kResponseMethods = {{
    {"open", "()V"},
    {"getHttpStatusCode", "()I"},
    {"getContentLength", "()J"},
    {"getContentType", "()Ljava/lang/String;"},
    {"read", "(Ljava/nio/ByteBuffer;)I"},
    {"cancel", "()V"},
    {"close", "()V"},
}};
constexpr char kCreateRequest[] = "createRequest";
constexpr char kCreateRequestDescriptor[] =
    "(Ljava/lang/String;)Lcom/velmor/brivon/jni/ResourceResponse;";

// Written once; loader threads race to fill an ID and each stores the same value, read whole
// by every other thread.
std::atomic<jclass> g_response_class{nullptr};
std::array<std::atomic<jmethodID>, 7> g_response_ids{};

// createRequest with the class it belongs to; the first handler class to serve a request
// fills it, and it is never replaced.
struct CreateRequestEntry {
  jclass cls;
  jmethodID id;
};
std::atomic<CreateRequestEntry*> g_create_request{nullptr};

}  // namespace

void TakeResponseClass(JNIEnv* env) {
  if (g_response_class.load(std::memory_order_acquire) != nullptr) return;
  LocalRef<jclass> cls(env, env->FindClass(kResponseClassName));
  if (!cls) return;
  jclass global = static_cast<jclass>(env->NewGlobalRef(cls.get()));
  jclass expected = nullptr;
  if (!g_response_class.compare_exchange_strong(expected, global)) env->DeleteGlobalRef(global);
}

jmethodID ResponseMethod(JNIEnv* env, Method method) {
  std::atomic<jmethodID>& slot = g_response_ids[static_cast<size_t>(method)];
  const jmethodID cached = slot.load(std::memory_order_acquire);
  if (cached != nullptr) return cached;
  const jclass cls = g_response_class.load(std::memory_order_acquire);
  if (cls == nullptr) return nullptr;
  const Signature& s = kResponseMethods[static_cast<size_t>(method)];
  const jmethodID id = env->GetMethodID(cls, s.name, s.descriptor);
  if (id != nullptr) slot.store(id, std::memory_order_release);
  return id;
}

jmethodID CreateRequestMethod(JNIEnv* env, jobject handler) {
  LocalRef<jclass> cls(env, env->GetObjectClass(handler));
  const CreateRequestEntry* entry = g_create_request.load(std::memory_order_acquire);
  if (entry != nullptr && env->IsSameObject(entry->cls, cls.get())) return entry->id;
  const jmethodID id = env->GetMethodID(cls.get(), kCreateRequest, kCreateRequestDescriptor);
  if (id == nullptr || entry != nullptr) return id;
  // The entry lives as long as the process, as the IDs do.
  auto* fresh = new CreateRequestEntry{static_cast<jclass>(env->NewGlobalRef(cls.get())), id};
  CreateRequestEntry* expected = nullptr;
  if (!g_create_request.compare_exchange_strong(expected, fresh)) {
    env->DeleteGlobalRef(fresh->cls);
    delete fresh;
  }
  return id;
}

}  // namespace brivon::resources
