// The driver's view of renderer processes: calls into a page's window, the messages
// the browser side received, and the renderer's life.

#include "cefsim/script.h"

#include "src/browser/browser_registry.h"
#include "src/ipc/wire.h"
#include "src/renderer/renderer_host.h"

namespace cefsim {
namespace driver {

JsValue JsValue::Null() {
  JsValue value;
  value.type = kNull;
  return value;
}

JsValue JsValue::Bool(bool b) {
  JsValue value;
  value.type = kBool;
  value.boolean = b;
  return value;
}

JsValue JsValue::Int(int i) {
  JsValue value;
  value.type = kInt;
  value.integer = i;
  return value;
}

JsValue JsValue::Double(double d) {
  JsValue value;
  value.type = kDouble;
  value.number = d;
  return value;
}

JsValue JsValue::String(const CefString& s) {
  JsValue value;
  value.type = kString;
  value.string = s;
  return value;
}

JsValue JsValue::Function() {
  JsValue value;
  value.type = kFunction;
  return value;
}

JsValue JsValue::Recorder(const CefString& name) {
  JsValue value = Function();
  value.string = name;
  return value;
}

JsValue JsValue::Object(std::vector<std::pair<CefString, JsValue>> members) {
  JsValue value;
  value.type = kObject;
  value.members = std::move(members);
  return value;
}

namespace {

std::shared_ptr<RendererHost> LiveRenderer(int browser_id) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  std::shared_ptr<RendererHost> host = browser && !browser->closed() ? browser->renderer()
                                                                     : nullptr;
  return host && host->alive() ? host : nullptr;
}

}  // namespace

bool CallWindowFunction(int browser_id,
                        int64_t frame_id,
                        const CefString& name,
                        const std::vector<JsValue>& arguments,
                        CallOutcome* outcome) {
  std::shared_ptr<RendererHost> host = LiveRenderer(browser_id);
  if (!host || !outcome)
    return false;
  int call_id = host->NextCallId();
  std::string answer;
  if (!host->Call(call_id,
                  WireWriter(WireKind::kCall).I32(call_id).I64(frame_id).Str(name).JsList(
                      arguments),
                  &answer))
    return false;
  WireReader in(answer);
  in.I32();
  if (!in.Bool())
    return false;
  CallOutcome result;
  result.threw = in.Bool();
  if (result.threw)
    result.exception = in.Str();
  else
    result.value = in.Js();
  if (in.failed())
    return false;
  *outcome = result;
  return true;
}

int WindowHasProperty(int browser_id, int64_t frame_id, const CefString& name) {
  std::shared_ptr<RendererHost> host = LiveRenderer(browser_id);
  if (!host)
    return -1;
  int call_id = host->NextCallId();
  std::string answer;
  if (!host->Call(call_id,
                  WireWriter(WireKind::kHasProperty).I32(call_id).I64(frame_id).Str(name),
                  &answer))
    return -1;
  WireReader in(answer);
  in.I32();
  bool known = in.Bool();
  bool has = in.Bool();
  if (in.failed() || !known)
    return -1;
  return has ? 1 : 0;
}

std::vector<ReceivedMessage> ReceivedProcessMessages(int browser_id) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  return browser ? browser->received_messages() : std::vector<ReceivedMessage>();
}

std::vector<FunctionCall> FunctionCalls(int browser_id) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  return browser ? browser->function_calls() : std::vector<FunctionCall>();
}

size_t FunctionCallCount(int browser_id) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  return browser ? browser->function_call_count() : 0;
}

int RendererProcessId(int browser_id) {
  std::shared_ptr<RendererHost> host = LiveRenderer(browser_id);
  return host ? host->pid() : 0;
}

bool KillRenderer(int browser_id) {
  std::shared_ptr<RendererHost> host = LiveRenderer(browser_id);
  if (!host)
    return false;
  host->Kill();
  return true;
}

int LiveRenderers() {
  return RendererHost::Live();
}

}  // namespace driver
}  // namespace cefsim
