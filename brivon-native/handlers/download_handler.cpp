// Downloads: Java decides whether the engine downloads (with its Save dialog), then hears of
// every change as a fresh DownloadItem and may cancel. No download state is kept here.
//
// Without a download handler, or without the DownloadItem class, Java cannot be asked or told:
// a download then does not start, and one already running goes on unreported.
#include "browser/browser_tables.h"
#include "browser/my_client.h"
#include "handlers/download_item_methods.h"
#include "jni/java_callback.h"
#include "jni/java_exceptions.h"
#include "jni/refs.h"
#include "jni/registry.h"
#include "jni/strings.h"
#include "jni/thread_env.h"

using brivon::BrowserId;
using brivon::HandlerSlot;
using brivon::JavaCallback;
using brivon::LocalRef;

namespace {

// Whether Java's answer to onBeforeDownload lets the engine download. Legacy clients answer
// the opposite question: whether they take the download over themselves.
bool EngineDownloads(bool answer) {
#if defined(BRIVON_LEGACY)
  return !answer;
#else
  return answer;
#endif
}

// The download's state code, from the first test that holds.
jint StateCode(CefDownloadItem& item) {
  if (item.IsInProgress()) return 0;
  if (item.IsComplete()) return 1;
  if (item.IsCanceled()) return -1;
  return -2;
}

// A new DownloadItem filled from the engine's item (left as constructed when the item is not
// valid); null with the Java exception pending when something failed.
LocalRef<jobject> NewItem(JNIEnv* env, const brivon::DownloadItemMethods& m, int64_t browser_id,
                          CefDownloadItem& item) {
  LocalRef<jobject> object(env, env->NewObject(m.item_class, m.init));
  if (!object || !item.IsValid()) return object;
  jobject o = object.get();
  env->CallVoidMethod(o, m.set_id, static_cast<jlong>(item.GetId()));
  if (env->ExceptionCheck()) return LocalRef<jobject>();
  env->CallVoidMethod(o, m.set_browser_id, static_cast<jlong>(browser_id));
  if (env->ExceptionCheck()) return LocalRef<jobject>();
  env->CallVoidMethod(o, m.set_total_bytes, static_cast<jlong>(item.GetTotalBytes()));
  if (env->ExceptionCheck()) return LocalRef<jobject>();
  env->CallVoidMethod(o, m.set_received_bytes, static_cast<jlong>(item.GetReceivedBytes()));
  if (env->ExceptionCheck()) return LocalRef<jobject>();
  env->CallVoidMethod(o, m.set_percent_complete, static_cast<jint>(item.GetPercentComplete()));
  if (env->ExceptionCheck()) return LocalRef<jobject>();
  {
    const LocalRef<jstring> path = brivon::CefToJava(env, item.GetFullPath());
    if (!path) return LocalRef<jobject>();
    env->CallVoidMethod(o, m.set_save_path, path.get());
    if (env->ExceptionCheck()) return LocalRef<jobject>();
  }
  env->CallVoidMethod(o, m.set_state, StateCode(item));
  if (env->ExceptionCheck()) return LocalRef<jobject>();
  return object;
}

}  // namespace

void MyClient::OnBeforeDownload(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefDownloadItem> download_item,
                                const CefString& suggested_name,
                                CefRefPtr<CefBeforeDownloadCallback> callback) {
  const jlong browser_id = static_cast<jlong>(BrowserId(browser));
  // The engine's ids are unsigned 32-bit: widened without a sign.
  const jlong download_id = static_cast<jlong>(download_item->GetId());
  {
    JavaCallback ask(HandlerSlot::kDownload, "onBeforeDownload",
                     "(JJLjava/lang/String;Ljava/lang/String;)Z");
    // Not asked, not started: the callback goes unanswered.
    if (!ask.ready()) return;
    const LocalRef<jstring> name = brivon::CefToJava(ask.env(), suggested_name);
    const LocalRef<jstring> url = brivon::CefToJava(ask.env(), download_item->GetURL());
    if (!name || !url) {
      brivon::CatchJavaException(ask.env(), false);
      return;
    }
    const std::optional<bool> answer = ask.CallBoolean(browser_id, download_id, name.get(),
                                                       url.get());
    if (!answer || !EngineDownloads(*answer)) return;
  }

  // An empty path with the dialog: the engine asks the user, offering the suggested name.
  const CefString no_path;
  callback->Continue(no_path, true);
  JavaCallback tell(HandlerSlot::kDownload, "onInternalDownload", "(JJLjava/lang/String;)V");
  if (!tell.ready()) return;
  const LocalRef<jstring> path = brivon::CefToJava(tell.env(), no_path);
  if (!path) {
    brivon::CatchJavaException(tell.env(), false);
    return;
  }
  tell.CallVoid(browser_id, download_id, path.get());
}

void MyClient::OnDownloadUpdated(CefRefPtr<CefBrowser> browser,
                                 CefRefPtr<CefDownloadItem> download_item,
                                 CefRefPtr<CefDownloadItemCallback> callback) {
  brivon::ThreadEnv thread;
  JNIEnv* env = thread.env();
  if (env == nullptr) return;
  const brivon::LocalFrame frame(env, brivon::JavaCallback::kLocalCapacity);
  if (!frame.ok()) {
    brivon::CatchJavaException(env, thread.attached_here());
    return;
  }
  const jobject handler = brivon::GetHandler(HandlerSlot::kDownload);
  if (handler == nullptr) return;
  brivon::DownloadItemMethods methods;
  if (!brivon::ResolveDownloadMethods(env, handler, &methods)) {
    brivon::CatchJavaException(env, thread.attached_here());
    return;
  }
  const LocalRef<jobject> item = NewItem(env, methods, BrowserId(browser), *download_item);
  if (!item) {
    brivon::CatchJavaException(env, thread.attached_here());
    return;
  }
  const jboolean keep = env->CallBooleanMethod(handler, methods.on_download_updated, item.get());
  if (brivon::CatchJavaException(env, thread.attached_here())) return;
  if (keep == JNI_FALSE) callback->Cancel();
}
