// What a page asks of its browser: popups, console messages, full screen, its title.
// These arrive as the renderer's messages would, on the UI thread in a loop iteration
// after the page acted.

#include <cstdio>

#include "src/browser/browser_impl.h"
#include "src/browser/browser_registry.h"
#include "src/console_log.h"
#include "src/native_windows.h"

namespace cefsim {

void BrowserImpl::OnPageWindowOpen(const CefString& url, bool with_features) {
  CefRefPtr<FrameImpl> opener_frame;
  BrowserParams params;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_ || !main_frame_)
      return;
    opener_frame = main_frame_;
    params.client = client_;
    params.settings = settings_;
  }
  CefPopupFeatures features;
  if (with_features) {
    // window.open(url, "", "width=300,height=200"): a features string leaves the bars off.
    features.width = 300;
    features.widthSet = 1;
    features.height = 200;
    features.heightSet = 1;
    features.menuBarVisible = 0;
    features.statusBarVisible = 0;
    features.toolBarVisible = 0;
    features.scrollbarsVisible = 0;
  }
  params.window_info.parent_window = HandleFrom(window_);
  if (features.widthSet)
    params.window_info.width = features.width;
  if (features.heightSet)
    params.window_info.height = features.height;
  CefRefPtr<CefDictionaryValue> extra_info;
  bool no_javascript_access = false;
  const cef_window_open_disposition_t disposition =
      with_features ? WOD_NEW_POPUP : WOD_NEW_FOREGROUND_TAB;
  if (CefRefPtr<CefLifeSpanHandler> handler = LifeSpan()) {
    if (handler->OnBeforePopup(this, opener_frame, url, CefString(), disposition, true, features,
                               params.window_info, params.client, params.settings, extra_info,
                               &no_javascript_access))
      return;
  }
  if (closed())
    return;
  params.is_popup = true;
  params.opener_id = identifier_;
  params.opener_window = window_;
  CreateBrowserNow(params, url);
}

void BrowserImpl::OnPageConsoleMessage(int level,
                                       const CefString& message,
                                       const CefString& source,
                                       int line) {
  if (closed())
    return;
  CefRefPtr<CefDisplayHandler> handler = Display();
  if (handler && handler->OnConsoleMessage(this, static_cast<cef_log_severity_t>(level), message,
                                           source, line))
    return;
  WriteConsoleMessageToLog(message, source, line);
}

void BrowserImpl::OnPageFullscreen(bool on) {
  if (closed())
    return;
  if (CefRefPtr<CefDisplayHandler> handler = Display())
    handler->OnFullscreenModeChange(this, on);
}

void BrowserImpl::OnPageTitle(const CefString& title) {
  if (closed())
    return;
  if (CefRefPtr<CefDisplayHandler> handler = Display())
    handler->OnTitleChange(this, title);
}

}  // namespace cefsim
