#ifndef CEF_INCLUDE_CEF_LOAD_HANDLER_H_
#define CEF_INCLUDE_CEF_LOAD_HANDLER_H_

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_frame.h"

// Loading events, on the UI thread (and in the renderer, through the render-process handler).
class CefLoadHandler : public virtual CefBaseRefCounted {
 public:
  typedef cef_errorcode_t ErrorCode;
  typedef cef_transition_type_t TransitionType;

  virtual void OnLoadingStateChange(CefRefPtr<CefBrowser> /*browser*/,
                                    bool /*isLoading*/,
                                    bool /*canGoBack*/,
                                    bool /*canGoForward*/) {}
  virtual void OnLoadStart(CefRefPtr<CefBrowser> /*browser*/,
                           CefRefPtr<CefFrame> /*frame*/,
                           TransitionType /*transition_type*/) {}
  virtual void OnLoadEnd(CefRefPtr<CefBrowser> /*browser*/,
                         CefRefPtr<CefFrame> /*frame*/,
                         int /*httpStatusCode*/) {}
  virtual void OnLoadError(CefRefPtr<CefBrowser> /*browser*/,
                           CefRefPtr<CefFrame> /*frame*/,
                           ErrorCode /*errorCode*/,
                           const CefString& /*errorText*/,
                           const CefString& /*failedUrl*/) {}
};

#endif  // CEF_INCLUDE_CEF_LOAD_HANDLER_H_
