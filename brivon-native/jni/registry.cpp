#include "jni/registry.h"

#include <array>

#include "jni/java_exceptions.h"
#include "jni/refs.h"

namespace brivon {
namespace {

constexpr size_t kSlotCount = 9;
std::array<GlobalRef, kSlotCount> g_slots;
GlobalRef g_download_item_class;

GlobalRef& Slot(HandlerSlot slot) { return g_slots[static_cast<size_t>(slot)]; }

#if !defined(BRIVON_LEGACY)
void TakeDownloadItemClass(JNIEnv* env) {
  g_download_item_class.Release(env);
  LocalRef<jclass> cls(env, env->FindClass(kDownloadItemClassName));
  if (!cls) {
    // The ClassNotFoundError stays pending and reaches the registering caller.
    return;
  }
  g_download_item_class.Reset(env, cls.get());
}
#endif

}  // namespace

void SetHandler(JNIEnv* env, HandlerSlot slot, jobject handler) {
  Slot(slot).Reset(env, handler);
#if !defined(BRIVON_LEGACY)
  if (slot == HandlerSlot::kDownload) TakeDownloadItemClass(env);
#endif
}

jobject GetHandler(HandlerSlot slot) { return Slot(slot).get(); }

jclass GetDownloadItemClass() { return static_cast<jclass>(g_download_item_class.get()); }

void ReleaseHandlers(JNIEnv* env) {
  // Alphabetical by handler, as shutdown has always released them.
  for (HandlerSlot slot : {HandlerSlot::kContextMenu, HandlerSlot::kDisplay,
                           HandlerSlot::kDownload, HandlerSlot::kLifeSpan, HandlerSlot::kLoad,
                           HandlerSlot::kMessageRouter, HandlerSlot::kRender,
                           HandlerSlot::kRequest, HandlerSlot::kResource}) {
    Slot(slot).Release(env);
  }
  g_download_item_class.Release(env);
}

}  // namespace brivon
