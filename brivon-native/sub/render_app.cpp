#include "sub/render_app.h"

#include "query/router_config.h"

RenderApp::RenderApp() : router_(CefMessageRouterRendererSide::Create(brivon::RouterConfig())) {}
RenderApp::~RenderApp() = default;

CefRefPtr<CefRenderProcessHandler> RenderApp::GetRenderProcessHandler() { return this; }

void RenderApp::OnContextCreated(CefRefPtr<CefBrowser> browser,
                                 CefRefPtr<CefFrame> frame,
                                 CefRefPtr<CefV8Context> context) {
  router_->OnContextCreated(browser, frame, context);
}

void RenderApp::OnContextReleased(CefRefPtr<CefBrowser> browser,
                                  CefRefPtr<CefFrame> frame,
                                  CefRefPtr<CefV8Context> context) {
  router_->OnContextReleased(browser, frame, context);
}

bool RenderApp::OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                         CefRefPtr<CefFrame> frame,
                                         CefProcessId source_process,
                                         CefRefPtr<CefProcessMessage> message) {
  return router_->OnProcessMessageReceived(browser, frame, source_process, message);
}
