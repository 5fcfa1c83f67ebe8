#ifndef CEF_INCLUDE_WRAPPER_CEF_MESSAGE_ROUTER_H_
#define CEF_INCLUDE_WRAPPER_CEF_MESSAGE_ROUTER_H_

#include "include/base/cef_ref_counted.h"
#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_process_message.h"
#include "include/cef_v8.h"

// Pages call js_query_function(...) and js_cancel_function(id) in the renderer; the two
// halves of the router exchange process messages named after them with "Msg" appended.
// Both halves must be configured alike.
struct CefMessageRouterConfig {
  CefMessageRouterConfig() : js_query_function("cefQuery"), js_cancel_function("cefQueryCancel") {}

  CefString js_query_function;
  CefString js_cancel_function;
};

// The browser-process half: hands page queries to handlers and their answers back.
// Its operations run on the UI thread; a Callback may be answered from any thread.
class CefMessageRouterBrowserSide
    : public base::RefCountedThreadSafe<CefMessageRouterBrowserSide> {
 public:
  // Answers one query; after a non-persistent query's first Success, or any Failure,
  // and after the query is cancelled, further calls do nothing.
  class Callback : public CefBaseRefCounted {
   public:
    virtual void Success(const CefString& response) = 0;
    virtual void Failure(int error_code, const CefString& error_message) = 0;
  };

  // Not counted: the router never deletes a handler, and the client removes it before
  // it goes away.
  class Handler {
   public:
    typedef CefMessageRouterBrowserSide::Callback Callback;

    virtual bool OnQuery(CefRefPtr<CefBrowser> /*browser*/,
                         CefRefPtr<CefFrame> /*frame*/,
                         int64 /*query_id*/,
                         const CefString& /*request*/,
                         bool /*persistent*/,
                         CefRefPtr<Callback> /*callback*/) { return false; }
    virtual void OnQueryCanceled(CefRefPtr<CefBrowser> /*browser*/,
                                 CefRefPtr<CefFrame> /*frame*/,
                                 int64 /*query_id*/) {}
    virtual ~Handler() {}
  };

  static CefRefPtr<CefMessageRouterBrowserSide> Create(const CefMessageRouterConfig& config);

  virtual bool AddHandler(Handler* handler, bool first) = 0;
  virtual bool RemoveHandler(Handler* handler) = 0;
  virtual void CancelPending(CefRefPtr<CefBrowser> browser, Handler* handler) = 0;
  virtual int GetPendingCount(CefRefPtr<CefBrowser> browser, Handler* handler) = 0;
  virtual void OnBeforeClose(CefRefPtr<CefBrowser> browser) = 0;
  virtual void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser) = 0;
  virtual void OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame) = 0;
  virtual bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                        CefRefPtr<CefFrame> frame,
                                        CefProcessId source_process,
                                        CefRefPtr<CefProcessMessage> message) = 0;

 protected:
  virtual ~CefMessageRouterBrowserSide() {}

 private:
  friend class base::RefCountedThreadSafe<CefMessageRouterBrowserSide>;
};

// The renderer-process half: installs the two functions in every context and carries
// their calls to the browser process.
class CefMessageRouterRendererSide
    : public base::RefCountedThreadSafe<CefMessageRouterRendererSide> {
 public:
  static CefRefPtr<CefMessageRouterRendererSide> Create(const CefMessageRouterConfig& config);

  virtual int GetPendingCount(CefRefPtr<CefBrowser> browser, CefRefPtr<CefV8Context> context) = 0;
  virtual void OnContextCreated(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                CefRefPtr<CefV8Context> context) = 0;
  virtual void OnContextReleased(CefRefPtr<CefBrowser> browser,
                                 CefRefPtr<CefFrame> frame,
                                 CefRefPtr<CefV8Context> context) = 0;
  virtual bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                        CefRefPtr<CefFrame> frame,
                                        CefProcessId source_process,
                                        CefRefPtr<CefProcessMessage> message) = 0;

 protected:
  virtual ~CefMessageRouterRendererSide() {}

 private:
  friend class base::RefCountedThreadSafe<CefMessageRouterRendererSide>;
};

#endif  // CEF_INCLUDE_WRAPPER_CEF_MESSAGE_ROUTER_H_
