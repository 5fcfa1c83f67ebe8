#include "handlers/download_item_methods.h"

#include "jni/registry.h"

namespace brivon {
namespace {

constexpr char kOnDownloadUpdated[] = "onDownloadUpdated";
constexpr char kOnDownloadUpdatedSignature[] = "(Lcom/velmor/brivon/jni/DownloadItem;)Z";

// The constructor and the seven setters, in the order updates call them.
bool LookUpItemMethods(JNIEnv* env, jclass item_class, DownloadItemMethods* m) {
  const struct {
    jmethodID* id;
    const char* name;
    const char* signature;
  } kMethods[] = {
      {&m->init, "<init>", "()V"},
      {&m->set_id, "setId", "(J)V"},
      {&m->set_browser_id, "setBrowserId", "(J)V"},
      {&m->set_total_bytes, "setTotalBytes", "(J)V"},
      {&m->set_received_bytes, "setReceivedBytes", "(J)V"},
      {&m->set_percent_complete, "setPercentComplete", "(I)V"},
      {&m->set_save_path, "setSavePath", "(Ljava/lang/String;)V"},
      {&m->set_state, "setState", "(I)V"},
  };
  for (const auto& method : kMethods) {
    *method.id = env->GetMethodID(item_class, method.name, method.signature);
    if (*method.id == nullptr) return false;
  }
  m->item_class = item_class;
  return true;
}

}  // namespace

#if defined(BRIVON_LEGACY)

bool ResolveDownloadMethods(JNIEnv* env, jobject handler, DownloadItemMethods* methods) {
  const jclass item_class = env->FindClass(kDownloadItemClassName);
  if (item_class == nullptr || !LookUpItemMethods(env, item_class, methods)) return false;
  const jclass handler_class = env->GetObjectClass(handler);
  methods->on_download_updated =
      env->GetMethodID(handler_class, kOnDownloadUpdated, kOnDownloadUpdatedSignature);
  return methods->on_download_updated != nullptr;
}

void ForgetDownloadMethods(JNIEnv*) {}

#else

namespace {

// Kept until shutdown. The handler class is held weakly: it only tells whether a handler is of
// the class the kept id belongs to, and must not keep that class loaded.
bool g_item_methods_known = false;
DownloadItemMethods g_item_methods;
jweak g_updated_class = nullptr;
jmethodID g_on_download_updated = nullptr;

}  // namespace

bool ResolveDownloadMethods(JNIEnv* env, jobject handler, DownloadItemMethods* methods) {
  const jclass item_class = GetDownloadItemClass();
  // No class reference (setDownloadHandler could not find it): nothing to build items from.
  if (item_class == nullptr) return false;
  if (!g_item_methods_known) {
    DownloadItemMethods found;
    if (!LookUpItemMethods(env, item_class, &found)) return false;
    g_item_methods = found;
    g_item_methods_known = true;
  }
  *methods = g_item_methods;
  // The registry's reference, which setDownloadHandler may have renewed since.
  methods->item_class = item_class;

  const jclass handler_class = env->GetObjectClass(handler);
  if (g_updated_class == nullptr || !env->IsSameObject(g_updated_class, handler_class)) {
    const jmethodID id =
        env->GetMethodID(handler_class, kOnDownloadUpdated, kOnDownloadUpdatedSignature);
    if (id == nullptr) return false;
    const jweak fresh = env->NewWeakGlobalRef(handler_class);
    // Out of memory: the OutOfMemoryError is pending and nothing is kept.
    if (fresh == nullptr) return false;
    if (g_updated_class != nullptr) env->DeleteWeakGlobalRef(g_updated_class);
    g_updated_class = fresh;
    g_on_download_updated = id;
  }
  methods->on_download_updated = g_on_download_updated;
  return true;
}

void ForgetDownloadMethods(JNIEnv* env) {
  if (g_updated_class != nullptr) env->DeleteWeakGlobalRef(g_updated_class);
  g_updated_class = nullptr;
  g_on_download_updated = nullptr;
  g_item_methods = DownloadItemMethods();
  g_item_methods_known = false;
}

#endif

}  // namespace brivon
