#include "browser/my_client.h"

#include "browser/browser_tables.h"
#include "osr/view_rects.h"
#include "query/router_config.h"

MyClient::MyClient() : router_(CefMessageRouterBrowserSide::Create(brivon::RouterConfig())) {}

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
