#include "sub/render_app.h"

namespace {

// The same two names as the bridge's own router: the two halves name their process messages
// after them, so they meet only when both agree.
constexpr char kQueryFunction[] = "javaQuery";
constexpr char kCancelFunction[] = "javaQueryCancel";

CefRefPtr<CefMessageRouterRendererSide> MakeRouter() {
  CefMessageRouterConfig config;
  config.js_query_function = kQueryFunction;
  config.js_cancel_function = kCancelFunction;
  return CefMessageRouterRendererSide::Create(config);
}

}  // namespace

RenderApp::RenderApp() : router_(MakeRouter()) {}
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
