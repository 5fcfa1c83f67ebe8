// The Java methods a download update needs: the DownloadItem constructor and setters, and the
// download handler's onDownloadUpdated.
//
// The main build looks the DownloadItem methods up once, on the class reference taken by
// setDownloadHandler, and keeps onDownloadUpdated from the first update. A handler registered
// later may be of another class, whose methods those ids do not name: the kept id is used only
// while the handler's class is the one it was looked up on, and is looked up again otherwise.
// What is kept lasts until shutdown, which lets it go (ForgetDownloadMethods): the weak
// reference to the handler's class is freed, so nothing the library took outlives the engine,
// and an update after that would look every id up afresh.
// The legacy build finds the class by name and looks every id up on each update, keeping
// nothing. Pumping thread only.
#pragma once

#include <jni.h>

namespace brivon {

struct DownloadItemMethods {
  jclass item_class = nullptr;  // a local or the registry's global reference, not to delete
  jmethodID init = nullptr;
  jmethodID set_id = nullptr;
  jmethodID set_browser_id = nullptr;
  jmethodID set_total_bytes = nullptr;
  jmethodID set_received_bytes = nullptr;
  jmethodID set_percent_complete = nullptr;
  jmethodID set_save_path = nullptr;
  jmethodID set_state = nullptr;
  jmethodID on_download_updated = nullptr;
};

// Fills `methods` for an update to `handler`. False when a class or method is missing; its
// Java exception is then pending, for the caller to catch. Local references it makes belong to
// the caller's local frame.
bool ResolveDownloadMethods(JNIEnv* env, jobject handler, DownloadItemMethods* methods);

// Drops the kept ids and the weak reference to the handler's class (shutdown).
void ForgetDownloadMethods(JNIEnv* env);

}  // namespace brivon
