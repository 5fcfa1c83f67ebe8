#include "browser/my_client.h"

#include "browser/browser_tables.h"
#include "osr/view_rects.h"

namespace {

// The page-side functions installed by the subprocess; both processes must use the same names.
constexpr char kQueryFunction[] = "javaQuery";
constexpr char kCancelFunction[] = "javaQueryCancel";

}  // namespace

MyClient::MyClient() {
  CefMessageRouterConfig config;
  config.js_query_function = kQueryFunction;
  config.js_cancel_function = kCancelFunction;
  router_ = CefMessageRouterBrowserSide::Create(config);
}

MyClient::~MyClient() = default;

bool MyClient::OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                        CefProcessId source_process,
                                        CefRefPtr<CefProcessMessage> message) {
  return router_ && router_->OnProcessMessageReceived(browser, frame, source_process, message);
}

void MyClient::GetViewRect(CefRefPtr<CefBrowser> browser, CefRect& rect) {
  rect = brivon::ViewRect(brivon::BrowserId(browser));
}

void MyClient::OnPaint(CefRefPtr<CefBrowser>, PaintElementType, const RectList&, const void*, int,
                       int) {
  // Paints are not handed to Java yet; the engine needs nothing back.
}

void MyClient::OnBeforeDownload(CefRefPtr<CefBrowser>, CefRefPtr<CefDownloadItem>,
                                const CefString&, CefRefPtr<CefBeforeDownloadCallback>) {
  // Without Java's consent no download starts: the callback is left unanswered.
}
