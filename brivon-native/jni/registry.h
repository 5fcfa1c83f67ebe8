// The Java handler objects that engine callbacks call, one slot per kind of event.
//
// Touched only on the pumping thread (registration, shutdown) and read by callbacks; the Java
// client registers before it creates browsers, so no lock is taken.
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

// The slot's global reference, or null while it is empty.
jobject GetHandler(HandlerSlot slot);
jclass GetDownloadItemClass();

// Releases every slot and the DownloadItem class, in the order shutdown documents.
void ReleaseHandlers(JNIEnv* env);

}  // namespace brivon
