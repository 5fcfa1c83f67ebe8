// CefBrowserHost's creation functions.
//
// Threads: CreateBrowserSync on the UI thread only; CreateBrowser from any thread, the
// browser then made on the UI thread in a later loop iteration.

#include "include/cef_browser.h"
#include "src/browser/browser_registry.h"
#include "src/engine.h"

namespace {

cefsim::BrowserParams ParamsOf(const CefWindowInfo& window_info,
                               CefRefPtr<CefClient> client,
                               const CefBrowserSettings& settings) {
  cefsim::BrowserParams params;
  params.window_info = window_info;
  params.client = client;
  params.settings = settings;
  return params;
}

}  // namespace

bool CefBrowserHost::CreateBrowser(const CefWindowInfo& windowInfo,
                                   CefRefPtr<CefClient> client,
                                   const CefString& url,
                                   const CefBrowserSettings& settings,
                                   CefRefPtr<CefDictionaryValue> /*extra_info*/,
                                   CefRefPtr<CefRequestContext> /*request_context*/) {
  {
    std::lock_guard<std::mutex> lock(cefsim::EngineMutex());
    if (!cefsim::State().running() || !cefsim::State().context_valid)
      return false;
  }
  cefsim::BrowserParams params = ParamsOf(windowInfo, client, settings);
  CefString address = url;
  return cefsim::UiQueue().Post([params, address]() { cefsim::CreateBrowserNow(params, address); },
                                cefsim::Clock::duration::zero());
}

CefRefPtr<CefBrowser> CefBrowserHost::CreateBrowserSync(
    const CefWindowInfo& windowInfo,
    CefRefPtr<CefClient> client,
    const CefString& url,
    const CefBrowserSettings& settings,
    CefRefPtr<CefDictionaryValue> /*extra_info*/,
    CefRefPtr<CefRequestContext> /*request_context*/) {
  CefRefPtr<cefsim::BrowserImpl> browser =
      cefsim::CreateBrowserNow(ParamsOf(windowInfo, client, settings), url);
  return browser.get();
}
