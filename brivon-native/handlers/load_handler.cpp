// Loading progress of every browser, to the Java load handler. The load end of each frame also
// runs the browser's load-end script in that frame first, so that what it sets up is in place
// when Java hears the frame is loaded.
#include "browser/browser_tables.h"
#include "browser/load_end_scripts.h"
#include "browser/my_client.h"
#include "jni/java_callback.h"

using brivon::BrowserId;
using brivon::HandlerSlot;
using brivon::JavaCallback;

namespace {

jboolean ToJava(bool value) { return value ? JNI_TRUE : JNI_FALSE; }

}  // namespace

void MyClient::OnLoadingStateChange(CefRefPtr<CefBrowser> browser, bool isLoading,
                                    bool canGoBack, bool canGoForward) {
  JavaCallback call(HandlerSlot::kLoad, "onLoadingStateChange", "(JZZZ)V");
  call.CallVoid(static_cast<jlong>(BrowserId(browser)), ToJava(isLoading), ToJava(canGoBack),
                ToJava(canGoForward));
}

void MyClient::OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                           TransitionType) {
  JavaCallback call(HandlerSlot::kLoad, "onLoadStart", "(JJ)V");
  call.CallVoid(static_cast<jlong>(BrowserId(browser)),
                static_cast<jlong>(frame->GetIdentifier()));
}

void MyClient::OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int) {
  JavaCallback call(HandlerSlot::kLoad, "onLoadEnd", "(JJ)V");
  // Without a Java environment the whole load end is skipped, the script included.
  if (call.env() == nullptr) return;
  const int64_t id = BrowserId(browser);
  const CefString script = brivon::LoadEndScript(id);
  if (!script.empty()) frame->ExecuteJavaScript(script, frame->GetURL(), 0);
  call.CallVoid(static_cast<jlong>(id), static_cast<jlong>(frame->GetIdentifier()));
}

void MyClient::OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                           ErrorCode errorCode, const CefString&, const CefString&) {
  JavaCallback call(HandlerSlot::kLoad, "onLoadError", "(JJI)V");
  call.CallVoid(static_cast<jlong>(BrowserId(browser)),
                static_cast<jlong>(frame->GetIdentifier()), static_cast<jint>(errorCode));
}
