// The browser-side router's one handler: it hands every page query to the Java message-router
// handler and keeps the query's answer callback in the pending-query table until Java answers.
// The router calls it on the engine's UI thread, the pumping thread.
#pragma once

#include "engine/prelude.h"
#include "include/wrapper/cef_message_router.h"

namespace brivon {

class RouterHandler : public CefMessageRouterBrowserSide::Handler, public virtual CefBaseRefCounted {
 public:
  // The failure a query gets when no Java handler is registered to take it.
  static constexpr int kNoHandlerCode = -1;
  static constexpr char kNoHandlerMessage[] = "No handler takes the query";

  // CefMessageRouterBrowserSide::Handler methods:
  bool OnQuery(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int64 query_id,
               const CefString& request, bool persistent,
               CefRefPtr<Callback> callback) override;
  void OnQueryCanceled(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                       int64 query_id) override;

 private:
  IMPLEMENT_REFCOUNTING(RouterHandler);
};

// Creates the router with the shared configuration and its handler, which is never released,
// so that it outlives every router. Called once per client.
CefRefPtr<CefMessageRouterBrowserSide> CreateQueryRouter();

}  // namespace brivon
