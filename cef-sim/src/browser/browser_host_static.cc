// CefBrowserHost's creation functions.
//
// Threads: CreateBrowserSync on the UI thread only; CreateBrowser from any thread, the
// browser then made on the UI thread in a later loop iteration.

#include "include/cef_browser.h"
#include "src/browser/browser_registry.h"
#include "src/engine.h"

namespace {

cefsim::BrowserSpec SpecOf(const CefWindowInfo& window_info,
                           CefRefPtr<CefClient> client,
                           const CefBrowserSettings& settings) {
  cefsim::BrowserSpec spec;
  spec.window_info = window_info;
  spec.client = client;
  spec.settings = settings;
  return spec;
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
  cefsim::BrowserSpec spec = SpecOf(windowInfo, client, settings);
  CefString address = url;
  return cefsim::UiQueue().Post([spec, address]() { cefsim::CreateBrowserNow(spec, address); },
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
      cefsim::CreateBrowserNow(SpecOf(windowInfo, client, settings), url);
  return browser.get();
}
