#include "jni/registry.h"

#include <array>
#include <atomic>
#include <mutex>
#include <thread>

#include "jni/java_exceptions.h"
#include "jni/refs.h"

namespace brivon {
namespace {

constexpr size_t kSlotCount = 9;

// A slot is read by callbacks on any thread and replaced by the registering thread. A reader
// takes its own local reference between announcing itself and leaving; a replacement swaps
// the new global reference in and deletes the old one only once no reader is between those
// two points, so a reader holds either the old or the new handler, never a freed reference.
// Readers take no lock; only replacements are serialised among themselves.
struct Slot {
  std::atomic<jobject> ref{nullptr};
  std::atomic<int> readers{0};
};
std::array<Slot, kSlotCount> g_slots;
std::mutex g_replacing;
GlobalRef g_download_item_class;

Slot& SlotOf(HandlerSlot slot) { return g_slots[static_cast<size_t>(slot)]; }

void Replace(JNIEnv* env, Slot& slot, jobject handler) {
  std::lock_guard<std::mutex> lock(g_replacing);
  jobject fresh = handler != nullptr ? env->NewGlobalRef(handler) : nullptr;
  jobject old = slot.ref.exchange(fresh);
  // A reader's window is one NewLocalRef, so this wait is short and never waits for Java.
  while (slot.readers.load() != 0) std::this_thread::yield();
  if (old != nullptr) env->DeleteGlobalRef(old);
}

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
  Replace(env, SlotOf(slot), handler);
#if !defined(BRIVON_LEGACY)
  if (slot == HandlerSlot::kDownload) TakeDownloadItemClass(env);
#endif
}

jobject GetHandler(HandlerSlot slot) { return SlotOf(slot).ref.load(); }

jobject NewHandlerRef(JNIEnv* env, HandlerSlot slot) {
  Slot& s = SlotOf(slot);
  s.readers.fetch_add(1);
  const jobject global = s.ref.load();
  const jobject local = global != nullptr ? env->NewLocalRef(global) : nullptr;
  s.readers.fetch_sub(1);
  return local;
}

jclass GetDownloadItemClass() { return static_cast<jclass>(g_download_item_class.get()); }

void ReleaseHandlers(JNIEnv* env) {
  // Alphabetical by handler, as shutdown has always released them.
  for (HandlerSlot slot : {HandlerSlot::kContextMenu, HandlerSlot::kDisplay,
                           HandlerSlot::kDownload, HandlerSlot::kLifeSpan, HandlerSlot::kLoad,
                           HandlerSlot::kMessageRouter, HandlerSlot::kRender,
                           HandlerSlot::kRequest, HandlerSlot::kResource}) {
    Replace(env, SlotOf(slot), nullptr);
  }
  g_download_item_class.Release(env);
}

}  // namespace brivon
