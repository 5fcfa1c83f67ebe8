// createBrowser, createBrowserAsChild and closeBrowser of CefLib. Pumping thread only.
#include <jni.h>

#include <cstdio>

#include "app/shared_client.h"
#include "browser/browser_tables.h"
#include "browser/my_client.h"
#include "browser/window_info.h"
#include "engine/prelude.h"
#include "include/cef_browser.h"
#include "jni/java_exceptions.h"
#include "osr/view_rects.h"
#include "platform/platform.h"

namespace {

constexpr jlong kNoBrowser = -1;
constexpr char kNotAWindowMessage[] = "This pointer is not a window's handle.";
constexpr int kFirstViewSize = 400;

// Creates the browser with the shared client and enters it into both tables, with its first
// view rectangle. The engine creates nothing before its context is ready or after shutdown;
// the answer is then -1, as for a parent that is no window.
jlong Create(const CefWindowInfo& window_info, const CefBrowserSettings& settings,
             const CefRect& first_view) {
  const CefRefPtr<MyClient> client = brivon::SharedClient();
  if (!client) return kNoBrowser;
  const CefRefPtr<CefBrowser> browser = CefBrowserHost::CreateBrowserSync(
      window_info, client.get(), CefString(), settings, nullptr, nullptr);
  if (!browser) return kNoBrowser;
  const int64_t id = brivon::BrowserId(browser);
  brivon::SetViewRect(id, first_view);
  brivon::StoreBrowser(brivon::ManagedBrowsers(), browser);
  brivon::StoreBrowser(brivon::Browsers(), browser);
  return static_cast<jlong>(id);
}

}  // namespace

extern "C" {

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_jni_CefLib_createBrowser(JNIEnv* env, jclass) {
  brivon::NativeCall call(env);
  CefWindowInfo window_info;
  brivon::FillWindowless(window_info);
  return Create(window_info, brivon::WindowlessBrowserSettings(),
                CefRect(0, 0, kFirstViewSize, kFirstViewSize));
}

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_jni_CefLib_createBrowserAsChild(
    JNIEnv* env, jclass, jlong parent, jint left, jint top, jint right, jint bottom) {
  brivon::NativeCall call(env);
  const uintptr_t parent_window = brivon::WindowHandleFromJava(parent);
  if (!brivon::platform::IsWindow(parent_window)) {
    std::puts(kNotAWindowMessage);
    std::fflush(stdout);
    return kNoBrowser;
  }
  const brivon::ChildPlacement placement{parent_window, left, top, right, bottom};
  CefWindowInfo window_info;
  brivon::FillChild(window_info, placement);
  return Create(window_info, brivon::ChildBrowserSettings(),
                CefRect(left, top, right - left, bottom - top));
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_closeBrowser(JNIEnv* env, jclass,
                                                                      jlong id,
                                                                      jboolean force_close) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowser> browser = brivon::FindBrowser(id);
  if (!browser) return;
  brivon::MarkClosing(id);
  browser->GetHost()->CloseBrowser(force_close == JNI_TRUE);
}

}  // extern "C"
