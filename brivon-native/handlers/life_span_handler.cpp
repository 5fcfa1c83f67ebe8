// Popups, new browsers and closed ones. The tables follow each browser's life here: every
// browser the engine creates enters the browser table, and a closing browser leaves every
// per-browser table, so that its id names nothing afterwards.
#include "browser/browser_tables.h"
#include "browser/load_end_scripts.h"
#include "browser/my_client.h"
#include "jni/java_callback.h"
#include "jni/strings.h"
#include "osr/view_rects.h"

using brivon::BrowserId;
using brivon::HandlerSlot;
using brivon::JavaCallback;
using brivon::LocalRef;

bool MyClient::OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame>,
                             const CefString& target_url, const CefString&,
                             CefLifeSpanHandler::WindowOpenDisposition target_disposition, bool,
                             const CefPopupFeatures&, CefWindowInfo&, CefRefPtr<CefClient>&,
                             CefBrowserSettings&, CefRefPtr<CefDictionaryValue>&, bool*) {
  JavaCallback call(HandlerSlot::kLifeSpan, "onBeforePopup", "(JILjava/lang/String;)Z");
  // No popup unless Java allowed it.
  if (!call.ready()) return true;
  const LocalRef<jstring> java_url = brivon::CefToJava(call.env(), target_url);
  return call
      .CallBoolean(static_cast<jlong>(BrowserId(browser)), static_cast<jint>(target_disposition),
                   java_url.get())
      .value_or(true);
}

void MyClient::OnAfterCreated(CefRefPtr<CefBrowser> browser) {
  // Popups and DevTools browsers are known only from here on.
  brivon::StoreBrowser(brivon::Browsers(), browser);
  JavaCallback call(HandlerSlot::kLifeSpan, "onAfterCreated", "(J)V");
  call.CallVoid(static_cast<jlong>(BrowserId(browser)));
}

void MyClient::OnBeforeClose(CefRefPtr<CefBrowser> browser) {
  if (router_) router_->OnBeforeClose(browser);
  const int64_t id = BrowserId(browser);
  brivon::ForgetLoadEndScript(id);
  brivon::ForgetViewRect(id);
  brivon::ForgetPopupRect(id);
  brivon::ForgetBrowser(id);
}
