// A browser's renderer process, browser side. With a subprocess program set, each
// browser starts one renderer when it is created, and a new one when its main frame
// commits a document after the last one died; documents, frames and the browser's
// process messages go to it in order, and what it sends comes back as UI tasks in later
// loop iterations (posted by the channel's reader thread). Without a subprocess
// program the stand-in keeps the pages in this process (src/page) for clients that
// name none.

#include <string>

#include "src/browser/browser_impl.h"
#include "src/browser/browser_registry.h"
#include "src/engine.h"
#include "src/ipc/wire.h"
#include "src/renderer/renderer_host.h"
#include "src/values/process_message_impl.h"

namespace cefsim {
namespace {

std::vector<driver::JsValue> ListToJs(CefRefPtr<CefListValue> list) {
  std::vector<driver::JsValue> values;
  for (size_t i = 0; list && i < list->GetSize(); ++i) {
    switch (list->GetType(i)) {
      case VTYPE_BOOL:
        values.push_back(driver::JsValue::Bool(list->GetBool(i)));
        break;
      case VTYPE_INT:
        values.push_back(driver::JsValue::Int(list->GetInt(i)));
        break;
      case VTYPE_DOUBLE:
        values.push_back(driver::JsValue::Double(list->GetDouble(i)));
        break;
      case VTYPE_STRING:
        values.push_back(driver::JsValue::String(list->GetString(i)));
        break;
      case VTYPE_LIST: {
        driver::JsValue nested;
        nested.type = driver::JsValue::kList;
        for (const driver::JsValue& item : ListToJs(list->GetList(i)))
          nested.members.emplace_back(CefString(), item);
        values.push_back(nested);
        break;
      }
      default:
        values.push_back(driver::JsValue::Null());
        break;
    }
  }
  return values;
}

cef_termination_status_t StatusOf(const ChildExit& exit) {
  if (!exit.signaled)
    return TS_ABNORMAL_TERMINATION;
  return exit.killed ? TS_PROCESS_WAS_KILLED : TS_PROCESS_CRASHED;
}

bool RecordScriptRan(CefRefPtr<BrowserImpl> browser, const std::string& bytes) {
  WireReader in(bytes);
  if (in.kind() != WireKind::kScriptRan)
    return false;
  int64 frame_id = in.I64();
  CefString code = in.Str();
  CefString url = in.Str();
  int line = in.I32();
  CefString document = in.Str();
  if (!in.failed())
    browser->RecordScript(frame_id, code, url, line, document);
  return true;
}

}  // namespace

void BrowserImpl::StartRenderer() {
  std::string program;
  {
    std::lock_guard<std::mutex> lock(EngineMutex());
    program = CefString(&State().settings.browser_subprocess_path).ToString();
  }
  if (program.empty())
    return;
  const int id = identifier_;
  // The reader thread finds the browser by id, so that the browser and its renderer
  // never hold each other.
  std::shared_ptr<RendererHost> host = RendererHost::Launch(
      program,
      [id](const std::string& bytes) {
        CefRefPtr<BrowserImpl> browser = FindBrowser(id);
        if (!browser)
          return;
        // Script runs are recorded as they arrive, so that a sync call finds them.
        if (RecordScriptRan(browser, bytes))
          return;
        browser->PostTask([browser, bytes]() { browser->OnRendererMessage(bytes); });
      },
      [id](const ChildExit& exit) {
        CefRefPtr<BrowserImpl> browser = FindBrowser(id);
        if (browser)
          browser->PostTask([browser, exit]() { browser->OnRendererGone(exit); });
      });
  if (!host)
    return;
  host->Send(WireWriter(WireKind::kBrowserCreated).I32(id).Bool(is_popup_).I64(main_frame_id_));
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  renderer_ = host;
  known_frames_.push_back(main_frame_);
}

std::shared_ptr<RendererHost> BrowserImpl::renderer() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return renderer_;
}

void BrowserImpl::RendererCommit(int64 frame_id,
                                 int64 parent_id,
                                 const CefString& url,
                                 const CefString& title) {
  if (std::shared_ptr<RendererHost> host = renderer()) {
    host->Send(
        WireWriter(WireKind::kCommit).I64(frame_id).I64(parent_id).Str(url).Str(title));
  }
}

void BrowserImpl::RendererDetach(int64 frame_id) {
  if (std::shared_ptr<RendererHost> host = renderer())
    host->Send(WireWriter(WireKind::kDetach).I64(frame_id));
}

void BrowserImpl::SendToRenderer(int64 frame_id, CefRefPtr<CefProcessMessage> message) {
  std::shared_ptr<RendererHost> host = renderer();
  if (!host || !message || closed())
    return;
  host->Send(WireWriter(WireKind::kToRenderer)
                 .I64(frame_id)
                 .Str(message->GetName())
                 .List(message->GetArgumentList()));
}

bool BrowserImpl::ExecuteInRenderer(int64 frame_id,
                                    const CefString& code,
                                    const CefString& url,
                                    int line) {
  std::shared_ptr<RendererHost> host = renderer();
  if (!host)
    return false;
  // A dead renderer loses the script, as the engine's would.
  if (!closed())
    host->Send(WireWriter(WireKind::kExecuteScript).I64(frame_id).Str(code).Str(url).I32(line));
  return true;
}

void BrowserImpl::SyncRenderer() {
  std::shared_ptr<RendererHost> host = renderer();
  if (!host || !host->alive())
    return;
  const int call_id = host->NextCallId();
  std::string answer;
  host->Call(call_id, WireWriter(WireKind::kSync).I32(call_id), &answer);
}

void BrowserImpl::ReplaceGoneRenderer() {
  std::shared_ptr<RendererHost> gone;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_ || !renderer_ || renderer_->alive())
      return;
    gone.swap(renderer_);
    known_frames_.clear();
  }
  // Reaped already; this only joins its reader.
  gone->Close();
  gone.reset();
  StartRenderer();
}

std::vector<driver::ReceivedMessage> BrowserImpl::received_messages() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return received_;
}

std::vector<driver::FunctionCall> BrowserImpl::function_calls() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return function_calls_;
}

size_t BrowserImpl::function_call_count() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return function_calls_.size();
}

CefRefPtr<FrameImpl> BrowserImpl::KnownFrame(int64 frame_id) const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  for (const CefRefPtr<FrameImpl>& frame : known_frames_) {
    if (frame->GetIdentifier() == frame_id)
      return frame;
  }
  return nullptr;
}

void BrowserImpl::OnRendererMessage(const std::string& bytes) {
  if (closed())
    return;
  WireReader in(bytes);
  if (in.kind() == WireKind::kToBrowser) {
    int64 frame_id = in.I64();
    CefString name = in.Str();
    CefRefPtr<ListValueImpl> args = new ListValueImpl();
    in.List(args.get());
    CefRefPtr<FrameImpl> frame = KnownFrame(frame_id);
    if (in.failed() || !frame)
      return;
    CefRefPtr<ProcessMessageImpl> message = new ProcessMessageImpl(name, args);
    message->Freeze();
    {
      std::lock_guard<std::mutex> lock(BrowsersMutex());
      received_.push_back(driver::ReceivedMessage{frame_id, name, ListToJs(args.get())});
    }
    if (CefRefPtr<CefClient> handler = client())
      handler->OnProcessMessageReceived(this, frame.get(), PID_RENDERER, message.get());
    return;
  }
  if (in.kind() == WireKind::kFunctionCalled) {
    RecordFunctionCall(in);
    return;
  }
  if (in.kind() != WireKind::kPageEvent)
    return;
  switch (static_cast<PageAction>(in.U8())) {
    case PageAction::kWindowOpen: {
      CefString url = in.Str();
      bool features = in.Bool();
      if (!in.failed())
        OnPageWindowOpen(url, features);
      break;
    }
    case PageAction::kConsole: {
      int level = in.I32();
      CefString message = in.Str();
      CefString source = in.Str();
      int line = in.I32();
      if (!in.failed())
        OnPageConsoleMessage(level, message, source, line);
      break;
    }
    case PageAction::kFullscreen: {
      bool on = in.Bool();
      if (!in.failed())
        OnPageFullscreen(on);
      break;
    }
    case PageAction::kTitle: {
      CefString title = in.Str();
      if (!in.failed())
        OnPageTitle(title);
      break;
    }
  }
}

void BrowserImpl::RecordFunctionCall(WireReader& in) {
  driver::FunctionCall call;
  call.name = in.Str();
  call.arguments = in.JsList();
  if (in.failed())
    return;
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  function_calls_.push_back(std::move(call));
}

void BrowserImpl::OnRendererGone(const ChildExit& exit) {
  // A renderer that ended with success was ended by the engine; only other ends count.
  if (closed() || (!exit.signaled && exit.exit_code == 0))
    return;
  if (CefRefPtr<CefRequestHandler> handler = Requests())
    handler->OnRenderProcessTerminated(this, StatusOf(exit));
}

void BrowserImpl::EndRenderer() {
  std::shared_ptr<RendererHost> host;
  std::vector<CefRefPtr<FrameImpl>> frames;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    host.swap(renderer_);
    frames.swap(known_frames_);
  }
  if (!host)
    return;
  host->Send(WireWriter(WireKind::kBrowserClosing).I32(identifier_));
  host->Close();
}

}  // namespace cefsim
