// The browser operations of CefLib. Each finds the browser by the id Java passes and makes its
// engine call; an id that names no browser gives the operation's not-found value without any
// engine call. Pumping thread only.
#include <jni.h>

#include "app/shared_client.h"
#include "browser/browser_tables.h"
#include "browser/my_client.h"
#include "browser/window_info.h"
#include "engine/prelude.h"
#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "jni/java_exceptions.h"
#include "jni/strings.h"

using brivon::FindBrowser;

namespace {

// The main frame, or null when the id names no browser or the browser has none (the engine
// answers none while it destroys a browser).
CefRefPtr<CefFrame> FindMainFrame(jlong id) {
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  return browser ? browser->GetMainFrame() : nullptr;
}

}  // namespace

extern "C" {

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_jni_CefLib_isNoManaged(JNIEnv*, jclass,
                                                                         jlong id) {
  const bool known = brivon::Browsers().count(id) != 0;
  const bool managed = brivon::ManagedBrowsers().count(id) != 0;
  return known && !managed ? JNI_TRUE : JNI_FALSE;
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_jni_CefLib_hasDocument(JNIEnv*, jclass,
                                                                         jlong id) {
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  return browser && browser->HasDocument() ? JNI_TRUE : JNI_FALSE;
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_jni_CefLib_isPopup(JNIEnv*, jclass, jlong id) {
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  return browser && browser->IsPopup() ? JNI_TRUE : JNI_FALSE;
}

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_jni_CefLib_getWindowHandle(JNIEnv*, jclass,
                                                                          jlong id) {
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  return browser ? brivon::WindowHandleToJava(browser->GetHost()->GetWindowHandle()) : 0;
}

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_jni_CefLib_getOpenerWindowHandle(JNIEnv*, jclass,
                                                                                jlong id) {
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  return browser ? brivon::WindowHandleToJava(browser->GetHost()->GetOpenerWindowHandle()) : 0;
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_showDevTools(JNIEnv* env, jclass,
                                                                      jlong id) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  if (!browser) return;
  const CefRefPtr<CefBrowserHost> host = browser->GetHost();
  // One DevTools window per browser.
  if (host->HasDevTools()) return;
  const CefRefPtr<MyClient> client = brivon::SharedClient();
  CefWindowInfo window_info;
  brivon::FillDevTools(window_info, host->GetWindowHandle());
  host->ShowDevTools(window_info, client.get(),
                     CefBrowserSettings(), CefPoint(0, 0));
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_setZoomLevel(JNIEnv*, jclass, jlong id,
                                                                      jdouble level) {
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  if (browser) browser->GetHost()->SetZoomLevel(level);
}

JNIEXPORT jdouble JNICALL Java_com_velmor_brivon_jni_CefLib_getZoomLevel(JNIEnv*, jclass,
                                                                         jlong id) {
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  return browser ? browser->GetHost()->GetZoomLevel() : 0.0;
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_loadUrl(JNIEnv* env, jclass, jlong id,
                                                                 jstring url) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefFrame> frame = FindMainFrame(id);
  if (frame) frame->LoadURL(brivon::JavaToCef(env, url));
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_loadString(JNIEnv* env, jclass,
                                                                    jlong id, jstring text,
                                                                    jstring url) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefFrame> frame = FindMainFrame(id);
  if (frame) frame->LoadString(brivon::JavaToCef(env, text), brivon::JavaToCef(env, url));
}

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_jni_CefLib_getMainFrame(JNIEnv*, jclass,
                                                                       jlong id) {
  const CefRefPtr<CefFrame> frame = FindMainFrame(id);
  return frame ? static_cast<jlong>(frame->GetIdentifier()) : -1;
}

JNIEXPORT jstring JNICALL Java_com_velmor_brivon_jni_CefLib_getMainFrameUrl(JNIEnv* env, jclass,
                                                                            jlong id) {
  const CefRefPtr<CefFrame> frame = FindMainFrame(id);
  return frame ? brivon::CefToJava(env, frame->GetURL()).release() : nullptr;
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_reload(JNIEnv* env, jclass, jlong id) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  if (browser && !browser->IsLoading()) browser->Reload();
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_reloadIgnoreCache(JNIEnv* env, jclass,
                                                                           jlong id) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  if (browser && !browser->IsLoading()) browser->ReloadIgnoreCache();
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_goForward(JNIEnv* env, jclass,
                                                                   jlong id) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  if (browser) browser->GoForward();
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_goBack(JNIEnv* env, jclass, jlong id) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  if (browser) browser->GoBack();
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_stopLoad(JNIEnv* env, jclass,
                                                                  jlong id) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowser> browser = FindBrowser(id);
  if (browser) browser->StopLoad();
}

}  // extern "C"
