// The renderer program of the stand-in's own tests: what an application's subprocess
// does (CefExecuteProcess, a render-process handler, the renderer half of the router
// with the bridge's function names), plus messages to the browser process that let a
// test see the contexts come and go and the messages that reached the renderer.

#include <string>

#include "include/cef_app.h"
#include "include/wrapper/cef_message_router.h"

namespace {

void Tell(CefRefPtr<CefFrame> frame, const std::string& what) {
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("test." + what);
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  args->SetBool(0, frame->IsMain());
  args->SetString(1, frame->GetURL());
  args->SetString(2, std::to_string(frame->GetIdentifier()));
  frame->SendProcessMessage(PID_BROWSER, message);
}

class TestRenderer : public CefApp, public CefRenderProcessHandler {
 public:
  TestRenderer() {
    CefMessageRouterConfig config;
    config.js_query_function = "javaQuery";
    config.js_cancel_function = "javaQueryCancel";
    router_ = CefMessageRouterRendererSide::Create(config);
  }

  CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override { return this; }

  void OnContextCreated(CefRefPtr<CefBrowser> browser,
                        CefRefPtr<CefFrame> frame,
                        CefRefPtr<CefV8Context> context) override {
    router_->OnContextCreated(browser, frame, context);
    Tell(frame, "context-created");
  }

  void OnContextReleased(CefRefPtr<CefBrowser> browser,
                         CefRefPtr<CefFrame> frame,
                         CefRefPtr<CefV8Context> context) override {
    Tell(frame, "context-released");
    router_->OnContextReleased(browser, frame, context);
  }

  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override {
    if (router_->OnProcessMessageReceived(browser, frame, source_process, message))
      return true;
    // Anything else comes back with its name first, so the test sees what arrived.
    CefRefPtr<CefProcessMessage> echo = CefProcessMessage::Create("test.echo");
    CefRefPtr<CefListValue> args = echo->GetArgumentList();
    args->SetString(0, message->GetName());
    args->SetBool(1, source_process == PID_BROWSER);
    CefRefPtr<CefListValue> received = message->GetArgumentList();
    for (size_t i = 0; i < received->GetSize(); ++i) {
      if (received->GetType(i) == VTYPE_STRING)
        args->SetString(i + 2, received->GetString(i));
      else if (received->GetType(i) == VTYPE_INT)
        args->SetInt(i + 2, received->GetInt(i));
    }
    frame->SendProcessMessage(PID_BROWSER, echo);
    return true;
  }

 private:
  CefRefPtr<CefMessageRouterRendererSide> router_;

  IMPLEMENT_REFCOUNTING(TestRenderer);
};

}  // namespace

int main(int argc, char* argv[]) {
  CefMainArgs args(argc, argv);
  return CefExecuteProcess(args, new TestRenderer(), nullptr);
}
