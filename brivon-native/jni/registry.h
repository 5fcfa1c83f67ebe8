// The Java handler objects that engine callbacks call, one slot per kind of event.
//
// Registered from Java (normally the pumping thread) and read by callbacks on any thread,
// engine loader threads included, also while a slot is being replaced: see NewHandlerRef.
#pragma once

#include <jni.h>

namespace brivon {

enum class HandlerSlot {
  kLoad,
  kRender,
  kMessageRouter,
  kDisplay,
  kDownload,
  kLifeSpan,
  kRequest,
  kResource,
  kContextMenu,
};

inline constexpr char kDownloadItemClassName[] = "com/velmor/brivon/jni/DownloadItem";

// Replaces the slot's object; a null handler leaves the slot empty. The download slot also
// takes a fresh reference to the DownloadItem class.
void SetHandler(JNIEnv* env, HandlerSlot slot, jobject handler);

// The slot's global reference, or null while it is empty. Only for the thread that replaces
// handlers (the pumping thread); other threads use NewHandlerRef.
jobject GetHandler(HandlerSlot slot);
// A new local reference to the slot's handler, or null while it is empty: valid however the
// slot is replaced meanwhile. Safe on any thread; takes no lock.
jobject NewHandlerRef(JNIEnv* env, HandlerSlot slot);
jclass GetDownloadItemClass();

// Releases every slot and the DownloadItem class, in the order shutdown documents.
void ReleaseHandlers(JNIEnv* env);

}  // namespace brivon
