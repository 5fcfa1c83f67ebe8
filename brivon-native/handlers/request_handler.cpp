// Navigation decisions by the Java request handler, and what the query router must hear of
// navigations and renderer crashes to cancel the queries they end.
#include "browser/browser_tables.h"
#include "browser/my_client.h"
#include "jni/java_callback.h"
#include "jni/strings.h"

using brivon::BrowserId;
using brivon::HandlerSlot;
using brivon::JavaCallback;
using brivon::LocalRef;

bool MyClient::OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                              CefRefPtr<CefRequest> request, bool, bool) {
  if (router_) router_->OnBeforeBrowse(browser, frame);
  JavaCallback call(HandlerSlot::kRequest, "onBeforeBrowse", "(JJLjava/lang/String;)Z");
  // Without Java's answer the navigation proceeds.
  if (!call.ready()) return false;
  const LocalRef<jstring> java_url = brivon::CefToJava(call.env(), request->GetURL());
  return call
      .CallBoolean(static_cast<jlong>(BrowserId(browser)),
                   static_cast<jlong>(frame->GetIdentifier()), java_url.get())
      .value_or(false);
}

void MyClient::OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser, TerminationStatus) {
  if (router_) router_->OnRenderProcessTerminated(browser);
}
