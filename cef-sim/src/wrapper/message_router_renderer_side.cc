// The renderer half of the message router. Each context gets the query and the cancel
// function on its window; a query goes to the browser as
//   <query>Msg(context id, request id, request, persistent)
// and a cancel as <cancel>Msg(context id, request id), request id 0 meaning every
// request of that context (sent when the context goes away). Answers come back as
//   <query>Msg(context id, request id, true, response)
//   <query>Msg(context id, request id, false, error code, error message)
// Renderer thread only, as the script engine is.

#include <map>
#include <utility>
#include <vector>

#include "include/cef_v8.h"
#include "include/wrapper/cef_message_router.h"

namespace {

const char kExpectingObject[] = "Invalid arguments; expecting a single object";
const char kRequestType[] =
    "Invalid arguments; object member 'request' is required and must have type string";
const char kOnSuccessType[] =
    "Invalid arguments; object member 'onSuccess' must have type function";
const char kOnFailureType[] =
    "Invalid arguments; object member 'onFailure' must have type function";
const char kPersistentType[] =
    "Invalid arguments; object member 'persistent' must have type boolean";
const char kExpectingInteger[] = "Invalid arguments; expecting a single integer";

const int kEveryRequest = 0;

class RendererRouter : public CefMessageRouterRendererSide {
 public:
  explicit RendererRouter(const CefMessageRouterConfig& config)
      : query_function_(config.js_query_function),
        cancel_function_(config.js_cancel_function),
        query_message_(config.js_query_function.ToString() + "Msg"),
        cancel_message_(config.js_cancel_function.ToString() + "Msg") {}

  // Runs the calls of the two window functions.
  class Functions : public CefV8Handler {
   public:
    explicit Functions(RendererRouter* router) : router_(router) {}

    bool Execute(const CefString& name,
                 CefRefPtr<CefV8Value> /*object*/,
                 const CefV8ValueList& arguments,
                 CefRefPtr<CefV8Value>& retval,
                 CefString& exception) override {
      if (name == router_->query_function_)
        return router_->Query(arguments, retval, exception);
      if (name == router_->cancel_function_)
        return router_->Cancel(arguments, retval, exception);
      return false;
    }

   private:
    const CefRefPtr<RendererRouter> router_;

    IMPLEMENT_REFCOUNTING(Functions);
  };

  int GetPendingCount(CefRefPtr<CefBrowser> browser, CefRefPtr<CefV8Context> context) override {
    int context_id = context ? FindContext(context) : kEveryRequest;
    if (context && context_id == kEveryRequest)
      return 0;
    int count = 0;
    for (const auto& entry : pending_) {
      if ((!browser || entry.second.browser_id == browser->GetIdentifier()) &&
          (context_id == kEveryRequest || entry.first.first == context_id))
        ++count;
    }
    return count;
  }

  void OnContextCreated(CefRefPtr<CefBrowser> /*browser*/,
                        CefRefPtr<CefFrame> /*frame*/,
                        CefRefPtr<CefV8Context> context) override {
    if (!context || !context->Enter())
      return;
    contexts_.push_back(std::make_pair(context, ++last_context_id_));
    CefRefPtr<CefV8Value> window = context->GetGlobal();
    CefRefPtr<CefV8Handler> functions = new Functions(this);
    const CefV8Value::PropertyAttribute fixed = static_cast<CefV8Value::PropertyAttribute>(
        V8_PROPERTY_ATTRIBUTE_READONLY | V8_PROPERTY_ATTRIBUTE_DONTENUM |
        V8_PROPERTY_ATTRIBUTE_DONTDELETE);
    window->SetValue(query_function_, CefV8Value::CreateFunction(query_function_, functions),
                     fixed);
    window->SetValue(cancel_function_, CefV8Value::CreateFunction(cancel_function_, functions),
                     fixed);
    context->Exit();
  }

  void OnContextReleased(CefRefPtr<CefBrowser> /*browser*/,
                         CefRefPtr<CefFrame> frame,
                         CefRefPtr<CefV8Context> context) override {
    int context_id = FindContext(context);
    if (context_id == kEveryRequest)
      return;
    for (auto it = contexts_.begin(); it != contexts_.end(); ++it) {
      if (it->second == context_id) {
        contexts_.erase(it);
        break;
      }
    }
    for (auto it = pending_.begin(); it != pending_.end();) {
      if (it->first.first == context_id)
        it = pending_.erase(it);
      else
        ++it;
    }
    if (frame)
      SendCancel(frame, context_id, kEveryRequest);
  }

  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> /*browser*/,
                                CefRefPtr<CefFrame> /*frame*/,
                                CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override {
    if (source_process != PID_BROWSER || !message || message->GetName() != query_message_)
      return false;
    CefRefPtr<CefListValue> args = message->GetArgumentList();
    if (!args || args->GetSize() < 4)
      return true;
    const int context_id = args->GetInt(0);
    const int request_id = args->GetInt(1);
    const bool success = args->GetBool(2);
    auto it = pending_.find(std::make_pair(context_id, request_id));
    if (it == pending_.end())
      return true;
    Request request = it->second;
    // The request ends before its callback runs, so that the callback may start another.
    if (!success || !request.persistent)
      pending_.erase(it);
    CefRefPtr<CefV8Context> context = request.context;
    if (!context->IsValid() || !context->Enter())
      return true;
    CefV8ValueList callback_args;
    CefRefPtr<CefV8Value> callback;
    if (success) {
      callback = request.on_success;
      callback_args.push_back(CefV8Value::CreateString(args->GetString(3)));
    } else {
      callback = request.on_failure;
      callback_args.push_back(CefV8Value::CreateInt(args->GetInt(3)));
      callback_args.push_back(CefV8Value::CreateString(args->GetString(4)));
    }
    if (callback)
      callback->ExecuteFunction(nullptr, callback_args);
    context->Exit();
    return true;
  }

 private:
  struct Request {
    int browser_id = 0;
    CefRefPtr<CefV8Context> context;
    CefRefPtr<CefV8Value> on_success;
    CefRefPtr<CefV8Value> on_failure;
    bool persistent = false;
  };

  // The id of a known context, or kEveryRequest (never a context's id) for an unknown one.
  int FindContext(CefRefPtr<CefV8Context> context) const {
    for (const auto& known : contexts_) {
      if (known.first->IsSame(context))
        return known.second;
    }
    return kEveryRequest;
  }

  bool Query(const CefV8ValueList& arguments,
             CefRefPtr<CefV8Value>& retval,
             CefString& exception) {
    if (arguments.size() != 1 || !arguments[0]->IsObject()) {
      exception = kExpectingObject;
      return true;
    }
    CefRefPtr<CefV8Value> object = arguments[0];
    CefRefPtr<CefV8Value> request = object->GetValue("request");
    if (!request || !request->IsString()) {
      exception = kRequestType;
      return true;
    }
    CefRefPtr<CefV8Value> on_success;
    if (object->HasValue("onSuccess")) {
      on_success = object->GetValue("onSuccess");
      if (!on_success->IsFunction()) {
        exception = kOnSuccessType;
        return true;
      }
    }
    CefRefPtr<CefV8Value> on_failure;
    if (object->HasValue("onFailure")) {
      on_failure = object->GetValue("onFailure");
      if (!on_failure->IsFunction()) {
        exception = kOnFailureType;
        return true;
      }
    }
    bool persistent = false;
    if (object->HasValue("persistent")) {
      CefRefPtr<CefV8Value> value = object->GetValue("persistent");
      if (!value->IsBool()) {
        exception = kPersistentType;
        return true;
      }
      persistent = value->GetBoolValue();
    }

    CefRefPtr<CefV8Context> context = CefV8Context::GetCurrentContext();
    const int context_id = context ? FindContext(context) : kEveryRequest;
    CefRefPtr<CefFrame> frame = context ? context->GetFrame() : nullptr;
    if (context_id == kEveryRequest || !frame)
      return false;
    const int request_id = ++last_request_id_;
    Request entry;
    entry.browser_id = context->GetBrowser() ? context->GetBrowser()->GetIdentifier() : 0;
    entry.context = context;
    entry.on_success = on_success;
    entry.on_failure = on_failure;
    entry.persistent = persistent;
    pending_[std::make_pair(context_id, request_id)] = entry;

    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(query_message_);
    CefRefPtr<CefListValue> args = message->GetArgumentList();
    args->SetInt(0, context_id);
    args->SetInt(1, request_id);
    args->SetString(2, request->GetStringValue());
    args->SetBool(3, persistent);
    frame->SendProcessMessage(PID_BROWSER, message);
    retval = CefV8Value::CreateInt(request_id);
    return true;
  }

  bool Cancel(const CefV8ValueList& arguments,
              CefRefPtr<CefV8Value>& retval,
              CefString& exception) {
    if (arguments.size() != 1 || !arguments[0]->IsInt()) {
      exception = kExpectingInteger;
      return true;
    }
    const int request_id = arguments[0]->GetIntValue();
    CefRefPtr<CefV8Context> context = CefV8Context::GetCurrentContext();
    const int context_id = context ? FindContext(context) : kEveryRequest;
    bool cancelled = false;
    auto it = pending_.find(std::make_pair(context_id, request_id));
    if (context_id != kEveryRequest && request_id != kEveryRequest && it != pending_.end()) {
      pending_.erase(it);
      if (CefRefPtr<CefFrame> frame = context->GetFrame())
        SendCancel(frame, context_id, request_id);
      cancelled = true;
    }
    retval = CefV8Value::CreateBool(cancelled);
    return true;
  }

  void SendCancel(CefRefPtr<CefFrame> frame, int context_id, int request_id) {
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(cancel_message_);
    CefRefPtr<CefListValue> args = message->GetArgumentList();
    args->SetInt(0, context_id);
    args->SetInt(1, request_id);
    frame->SendProcessMessage(PID_BROWSER, message);
  }

  const CefString query_function_;
  const CefString cancel_function_;
  const CefString query_message_;
  const CefString cancel_message_;
  int last_context_id_ = 0;
  int last_request_id_ = 0;
  std::vector<std::pair<CefRefPtr<CefV8Context>, int>> contexts_;
  // Keyed by (context id, request id).
  std::map<std::pair<int, int>, Request> pending_;
};

}  // namespace

CefRefPtr<CefMessageRouterRendererSide> CefMessageRouterRendererSide::Create(
    const CefMessageRouterConfig& config) {
  return new RendererRouter(config);
}
