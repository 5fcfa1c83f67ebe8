#include "browser/my_client.h"

#include "browser/browser_tables.h"
#include "query/router_handler.h"

MyClient::MyClient() : router_(brivon::CreateQueryRouter()) {}

MyClient::~MyClient() = default;

bool MyClient::OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                        CefProcessId source_process,
                                        CefRefPtr<CefProcessMessage> message) {
  return router_ && router_->OnProcessMessageReceived(browser, frame, source_process, message);
}
