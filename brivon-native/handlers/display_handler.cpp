// What a browser shows (address, title, full-screen mode, console output), to the Java display
// handler. Text crosses with the bridge's string conversion.
#include "browser/browser_tables.h"
#include "browser/my_client.h"
#include "jni/java_callback.h"
#include "jni/strings.h"

using brivon::BrowserId;
using brivon::CefToJava;
using brivon::HandlerSlot;
using brivon::JavaCallback;
using brivon::LocalRef;

void MyClient::OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                               const CefString& url) {
  JavaCallback call(HandlerSlot::kDisplay, "onAddressChange", "(JJLjava/lang/String;)V");
  if (!call.ready()) return;
  const LocalRef<jstring> java_url = CefToJava(call.env(), url);
  call.CallVoid(static_cast<jlong>(BrowserId(browser)),
                static_cast<jlong>(frame->GetIdentifier()), java_url.get());
}

void MyClient::OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) {
  JavaCallback call(HandlerSlot::kDisplay, "onTitleChange", "(JLjava/lang/String;)V");
  if (!call.ready()) return;
  const LocalRef<jstring> java_title = CefToJava(call.env(), title);
  call.CallVoid(static_cast<jlong>(BrowserId(browser)), java_title.get());
}

void MyClient::OnFullscreenModeChange(CefRefPtr<CefBrowser> browser, bool fullscreen) {
  JavaCallback call(HandlerSlot::kDisplay, "onFullScreenModeChange", "(JZ)V");
  call.CallVoid(static_cast<jlong>(BrowserId(browser)), fullscreen ? JNI_TRUE : JNI_FALSE);
}

bool MyClient::OnConsoleMessage(CefRefPtr<CefBrowser> browser, cef_log_severity_t level,
                                const CefString& message, const CefString& source, int line) {
  JavaCallback call(HandlerSlot::kDisplay, "onConsoleMessage",
                    "(JILjava/lang/String;Ljava/lang/String;I)V");
  // Only a message Java has taken counts as handled; otherwise the engine's own log keeps it.
  if (!call.ready()) return false;
  const LocalRef<jstring> java_message = CefToJava(call.env(), message);
  const LocalRef<jstring> java_source = CefToJava(call.env(), source);
  return call.CallVoid(static_cast<jlong>(BrowserId(browser)), static_cast<jint>(level),
                       java_message.get(), java_source.get(), static_cast<jint>(line));
}
