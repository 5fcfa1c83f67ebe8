#include "query/router_handler.h"

#include "browser/browser_tables.h"
#include "jni/java_callback.h"
#include "jni/strings.h"
#include "query/pending_queries.h"
#include "query/router_config.h"

namespace brivon {

bool RouterHandler::OnQuery(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                            int64 query_id, const CefString& request, bool,
                            CefRefPtr<Callback> callback) {
  // A query no Java object can take is answered at once rather than left pending for good.
  if (GetHandler(HandlerSlot::kMessageRouter) == nullptr) {
    callback->Failure(kNoHandlerCode, kNoHandlerMessage);
    return true;
  }
  // Stored first, so that Java may answer from inside onQuery.
  AddPendingQuery(query_id, callback);
  JavaCallback call(HandlerSlot::kMessageRouter, "onQuery", "(JJJLjava/lang/String;)V");
  if (call.env() == nullptr) return true;
  LocalRef<jstring> text = CefToJava(call.env(), request);
  call.CallVoid(static_cast<jlong>(BrowserId(browser)), static_cast<jlong>(frame->GetIdentifier()),
                static_cast<jlong>(query_id), text.get());
  return true;
}

void RouterHandler::OnQueryCanceled(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                    int64 query_id) {
  // The router takes no answer for a cancelled query; its entry would only wait for one that
  // Java has no reason to give.
  DropPendingQuery(query_id);
  JavaCallback call(HandlerSlot::kMessageRouter, "onQueryCanceled", "(JJJ)V");
  call.CallVoid(static_cast<jlong>(BrowserId(browser)),
                static_cast<jlong>(frame ? frame->GetIdentifier() : 0),
                static_cast<jlong>(query_id));
}

CefRefPtr<CefMessageRouterBrowserSide> CreateQueryRouter() {
  CefRefPtr<CefMessageRouterBrowserSide> router =
      CefMessageRouterBrowserSide::Create(RouterConfig());
  if (!router) return nullptr;
  RouterHandler* handler = new RouterHandler();
  // The one reference that is never given back.
  handler->AddRef();
  router->AddHandler(handler, true);
  return router;
}

}  // namespace brivon
