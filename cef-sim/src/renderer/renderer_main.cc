// The renderer process. Documents come from the browser process as commits; each
// commit releases the frame's old context and creates the new one, so that a
// main-frame navigation gives, in order: release of each gone subframe's context
// (their detach messages come first), release of the main frame's old context,
// creation of the main frame's new one; each subframe's context follows when its own
// document commits. Every context is entered while its handler call runs.

#include "src/renderer/renderer_main.h"

#include <string>
#include <vector>

#include "src/ipc/channel.h"
#include "src/ipc/wire.h"
#include "src/renderer/renderer_browser.h"
#include "src/renderer/script_values.h"
#include "src/renderer/v8_context_impl.h"
#include "src/values/process_message_impl.h"

namespace cefsim {
namespace {

class Renderer {
 public:
  Renderer(CefRefPtr<CefApp> app, intptr_t channel)
      : channel_(channel), handler_(app ? app->GetRenderProcessHandler() : nullptr) {}

  int Run() {
    ReportFunctionCalls();
    if (handler_) {
      handler_->OnRenderThreadCreated(CefListValue::Create());
      handler_->OnWebKitInitialized();
    }
    std::string frame;
    while (!done_ && channel_.Receive(&frame))
      Dispatch(frame);
    // Ended by the browser process, or it went away: either way the documents go.
    if (browser_) {
      ReleaseAll();
      if (handler_)
        handler_->OnBrowserDestroyed(browser_.get());
    }
    browser_ = nullptr;
    handler_ = nullptr;
    SetFunctionCallSink(nullptr);
    return 0;
  }

 private:
  void Dispatch(const std::string& bytes) {
    WireReader in(bytes);
    switch (in.kind()) {
      case WireKind::kBrowserCreated: {
        int id = in.I32();
        bool popup = in.Bool();
        int64 main_id = in.I64();
        if (in.failed() || browser_)
          return;
        browser_ = new RendererBrowser(id, popup);
        browser_->AddFrame(new RendererFrame(browser_.get(), main_id, 0, &channel_));
        if (handler_)
          handler_->OnBrowserCreated(browser_.get(), nullptr);
        return;
      }
      case WireKind::kCommit: {
        int64 frame_id = in.I64();
        int64 parent_id = in.I64();
        CefString url = in.Str();
        CefString title = in.Str();
        if (!in.failed())
          Commit(frame_id, parent_id, url, title);
        return;
      }
      case WireKind::kDetach: {
        int64 frame_id = in.I64();
        CefRefPtr<RendererFrame> frame = Find(frame_id);
        if (!frame || frame->IsMain())
          return;
        Release(frame);
        frame->Detach();
        browser_->RemoveFrame(frame_id);
        return;
      }
      case WireKind::kToRenderer: {
        int64 frame_id = in.I64();
        CefString name = in.Str();
        CefRefPtr<ListValueImpl> args = new ListValueImpl();
        in.List(args.get());
        CefRefPtr<RendererFrame> frame = Find(frame_id);
        if (in.failed() || !frame || !handler_)
          return;
        CefRefPtr<ProcessMessageImpl> message = new ProcessMessageImpl(name, args);
        message->Freeze();
        handler_->OnProcessMessageReceived(browser_.get(), frame.get(), PID_BROWSER,
                                           message.get());
        return;
      }
      case WireKind::kCall:
        Call(in);
        return;
      case WireKind::kHasProperty: {
        int call_id = in.I32();
        int64 frame_id = in.I64();
        CefString name = in.Str();
        CefRefPtr<RendererFrame> frame = Find(frame_id);
        CefRefPtr<V8ContextImpl> context = frame ? frame->context() : nullptr;
        bool known = context && !in.failed();
        bool has = known && context->GetGlobal()->HasValue(name);
        channel_.Send(WireWriter(WireKind::kPropertyResult).I32(call_id).Bool(known).Bool(has));
        return;
      }
      case WireKind::kPageAction:
        PageActed(in);
        return;
      case WireKind::kBrowserClosing:
        done_ = true;
        return;
      case WireKind::kExecuteScript:
        RunScript(in);
        return;
      case WireKind::kSync:
        channel_.Send(WireWriter(WireKind::kCallResult).I32(in.I32()).Bool(true));
        return;
      default:
        return;
    }
  }

  CefRefPtr<RendererFrame> Find(int64 frame_id) const {
    return browser_ ? browser_->FindFrame(frame_id) : nullptr;
  }

  void Commit(int64 frame_id, int64 parent_id, const CefString& url, const CefString& title) {
    if (!browser_)
      return;
    CefRefPtr<RendererFrame> frame = Find(frame_id);
    if (!frame) {
      if (parent_id == 0 || !Find(parent_id))
        return;
      frame = new RendererFrame(browser_.get(), frame_id, parent_id, &channel_);
      browser_->AddFrame(frame);
    }
    Release(frame);
    frame->set_url(url);
    frame->title = title;
    frame->fullscreen = false;
    CefRefPtr<V8ContextImpl> context = new V8ContextImpl(browser_.get(), frame.get());
    frame->set_context(context);
    if (handler_) {
      ContextScope scope(context.get());
      handler_->OnContextCreated(browser_.get(), frame.get(), context.get());
    }
  }

  void Release(CefRefPtr<RendererFrame> frame) {
    CefRefPtr<V8ContextImpl> context = frame->context();
    if (!context)
      return;
    if (handler_) {
      ContextScope scope(context.get());
      handler_->OnContextReleased(browser_.get(), frame.get(), context.get());
    }
    frame->set_context(nullptr);
    context->Invalidate();
  }

  // Subframes' documents go before the main frame's.
  void ReleaseAll() {
    std::vector<CefRefPtr<RendererFrame>> frames = browser_->frames();
    for (const CefRefPtr<RendererFrame>& frame : frames) {
      if (!frame->IsMain())
        Release(frame);
    }
    for (const CefRefPtr<RendererFrame>& frame : frames) {
      if (frame->IsMain())
        Release(frame);
      frame->Detach();
    }
  }

  void Call(WireReader& in) {
    int call_id = in.I32();
    int64 frame_id = in.I64();
    CefString name = in.Str();
    std::vector<driver::JsValue> args = in.JsList();
    CefRefPtr<RendererFrame> frame = Find(frame_id);
    CefRefPtr<V8ContextImpl> context = frame ? frame->context() : nullptr;
    WireWriter out(WireKind::kCallResult);
    out.I32(call_id);
    if (in.failed() || !context) {
      out.Bool(false);
      channel_.Send(out);
      return;
    }
    out.Bool(true);
    bool threw;
    driver::JsValue result;
    CefString exception;
    {
      ContextScope scope(context.get());
      CefRefPtr<CefV8Value> function = context->GetGlobal()->GetValue(name);
      CefV8ValueList values;
      for (const driver::JsValue& arg : args)
        values.push_back(ToV8(arg));
      CefRefPtr<CefV8Value> returned;
      if (!function->IsFunction()) {
        threw = true;
        exception = "TypeError: window." + name.ToString() + " is not a function";
      } else {
        threw = !static_cast<V8ValueImpl*>(function.get())
                     ->Call(nullptr, values, &returned, &exception);
        if (!threw)
          result = FromV8(returned);
      }
    }
    out.Bool(threw);
    if (threw)
      out.Str(exception);
    else
      out.Js(result);
    channel_.Send(out);
  }

  // The page acts on its own: the renderer keeps the document's state and tells the
  // browser process what changed.
  // The answer comes after the event, so that the driver returns once the browser
  // process has queued the event, as it does with pages in its own process.
  void PageActed(WireReader& in) {
    const int call_id = in.I32();
    PageSaid(in);
    channel_.Send(WireWriter(WireKind::kCallResult).I32(call_id).Bool(true));
  }

  void PageSaid(WireReader& in) {
    PageAction action = static_cast<PageAction>(in.U8());
    CefRefPtr<RendererFrame> main = browser_ ? browser_->main_frame() : nullptr;
    if (!main)
      return;
    WireWriter out(WireKind::kPageEvent);
    out.U8(static_cast<uint8_t>(action));
    switch (action) {
      case PageAction::kWindowOpen: {
        CefString url = in.Str();
        bool features = in.Bool();
        out.Str(url).Bool(features);
        break;
      }
      case PageAction::kConsole: {
        int level = in.I32();
        CefString message = in.Str();
        CefString source = in.Str();
        int line = in.I32();
        out.I32(level).Str(message).Str(source).I32(line);
        break;
      }
      case PageAction::kFullscreen: {
        bool on = in.Bool();
        if (in.failed() || main->fullscreen == on)
          return;
        main->fullscreen = on;
        out.Bool(on);
        break;
      }
      case PageAction::kTitle: {
        CefString title = in.Str();
        if (in.failed() || main->title == title)
          return;
        main->title = title;
        out.Str(title);
        break;
      }
      default:
        return;
    }
    if (!in.failed())
      channel_.Send(out);
  }

  // A frame's ExecuteJavaScript runs in the frame's current document, the one the
  // commits before it on the channel left there; the run is reported with that
  // document's address (empty when the frame has none yet). A frame that has gone
  // runs nothing.
  void RunScript(WireReader& in) {
    int64 frame_id = in.I64();
    CefString code = in.Str();
    CefString url = in.Str();
    int line = in.I32();
    CefRefPtr<RendererFrame> frame = Find(frame_id);
    if (in.failed() || !frame)
      return;
    CefString document = frame->context() ? frame->GetURL() : CefString();
    channel_.Send(
        WireWriter(WireKind::kScriptRan).I64(frame_id).Str(code).Str(url).I32(line).Str(document));
  }

  // Calls of the driver's recording functions go to the browser process as they happen, so
  // that they stay in order with the process messages the page sends.
  void ReportFunctionCalls() {
    SetFunctionCallSink(
        [this](const CefString& name, const std::vector<driver::JsValue>& arguments) {
          channel_.Send(WireWriter(WireKind::kFunctionCalled).Str(name).JsList(arguments));
        });
  }

  Channel channel_;
  CefRefPtr<CefRenderProcessHandler> handler_;
  CefRefPtr<RendererBrowser> browser_;
  bool done_ = false;
};

}  // namespace

int RunRenderer(CefRefPtr<CefApp> app, intptr_t channel) {
  return Renderer(app, channel).Run();
}

}  // namespace cefsim
