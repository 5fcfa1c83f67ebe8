// The browser-process half of the wrapper library's message router.
//
// Threads: every operation of the router runs on the UI thread; a query's Callback may
// be answered from any thread, and the answer is posted to the UI thread.

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "include/wrapper/cef_message_router.h"
#include "src/closure_task.h"

namespace cefsim {
namespace {

constexpr int kCanceledCode = -1;
constexpr char kCanceledMessage[] = "The query has been canceled";

class BrowserRouter;

// As in the engine's branch, a query's callback holds its router: an answer given after the
// client released the router is still delivered while the query is pending. The router and
// its pending callbacks keep each other until the query ends or is cancelled.
class QueryCallback : public CefMessageRouterBrowserSide::Callback {
 public:
  // Defined once the router is a complete type.
  QueryCallback(CefRefPtr<BrowserRouter> router, int64 query_id, bool persistent);
  ~QueryCallback() override;

  // The query has ended or was cancelled; later answers do nothing.
  void Detach() {
    std::lock_guard<std::mutex> lock(mutex_);
    attached_ = false;
  }

  // CefMessageRouterBrowserSide::Callback methods:
  void Success(const CefString& response) override;
  void Failure(int error_code, const CefString& error_message) override;

 private:
  // False when this answer must be dropped; the last answer a query takes detaches it.
  bool Take(bool last) {
    std::lock_guard<std::mutex> lock(mutex_);
    bool attached = attached_;
    if (last)
      attached_ = false;
    return attached;
  }

  std::mutex mutex_;
  bool attached_ = true;
  const CefRefPtr<BrowserRouter> router_;
  const int64 query_id_;
  const bool persistent_;

  IMPLEMENT_REFCOUNTING(QueryCallback);
};

class BrowserRouter : public CefMessageRouterBrowserSide {
 public:
  explicit BrowserRouter(const CefMessageRouterConfig& config)
      : query_message_(config.js_query_function.ToString() + "Msg"),
        cancel_message_(config.js_cancel_function.ToString() + "Msg") {}

  void DeliverSuccess(int64 query_id, const CefString& response) {
    auto it = pending_.find(query_id);
    if (it == pending_.end())
      return;
    Query query = it->second;
    if (!query.persistent)
      End(it);
    SendAnswer(query, true, 0, response);
  }

  void DeliverFailure(int64 query_id, int error_code, const CefString& error_message) {
    auto it = pending_.find(query_id);
    if (it == pending_.end())
      return;
    Query query = it->second;
    End(it);
    SendAnswer(query, false, error_code, error_message);
  }

  // CefMessageRouterBrowserSide methods:
  // The engine's branch keeps its handlers in a set ordered by address, so `first` changes
  // nothing and the order handlers are asked in is not the order they were added.
  bool AddHandler(Handler* handler, bool /*first*/) override {
    if (!handler)
      return false;
    return handlers_.insert(handler).second;
  }

  bool RemoveHandler(Handler* handler) override {
    if (!Contains(handler))
      return false;
    CancelWhere([&](const Query& q) { return q.handler == handler; }, true);
    handlers_.erase(handler);
    return true;
  }

  void CancelPending(CefRefPtr<CefBrowser> browser, Handler* handler) override {
    // Cancelled at the client's request: the page learns of it too.
    CancelWhere([&](const Query& q) { return Matches(q, browser, handler); }, true);
  }

  int GetPendingCount(CefRefPtr<CefBrowser> browser, Handler* handler) override {
    int count = 0;
    for (const auto& entry : pending_)
      count += Matches(entry.second, browser, handler) ? 1 : 0;
    return count;
  }

  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override { CancelBrowser(browser); }

  void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser) override {
    CancelBrowser(browser);
  }

  void OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame) override {
    if (frame && frame->IsMain())
      CancelBrowser(browser);
  }

  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefFrame> frame,
                                CefProcessId /*source_process*/,
                                CefRefPtr<CefProcessMessage> message) override {
    if (!message || !browser)
      return false;
    std::string name = message->GetName().ToString();
    CefRefPtr<CefListValue> args = message->GetArgumentList();
    if (name == query_message_) {
      if (args && args->GetSize() == 4 && args->GetType(0) == VTYPE_INT &&
          args->GetType(1) == VTYPE_INT && args->GetType(2) == VTYPE_STRING &&
          args->GetType(3) == VTYPE_BOOL) {
        OnQueryMessage(browser, frame, args->GetInt(0), args->GetInt(1), args->GetString(2),
                       args->GetBool(3));
      }
      return true;
    }
    if (name == cancel_message_) {
      if (args && args->GetSize() == 2 && args->GetType(0) == VTYPE_INT &&
          args->GetType(1) == VTYPE_INT) {
        int browser_id = browser->GetIdentifier();
        int context_id = args->GetInt(0);
        int request_id = args->GetInt(1);
        CancelWhere(
            [&](const Query& q) {
              return q.browser_id == browser_id && q.context_id == context_id &&
                     (request_id == 0 || q.request_id == request_id);
            },
            false);
      }
      return true;
    }
    return false;
  }

 private:
  struct Query {
    CefRefPtr<CefBrowser> browser;
    int browser_id;
    CefRefPtr<CefFrame> frame;
    int context_id;
    int request_id;
    bool persistent;
    Handler* handler;
    CefRefPtr<QueryCallback> callback;
  };

  bool Contains(Handler* handler) const { return handlers_.count(handler) != 0; }

  static bool Matches(const Query& q, CefRefPtr<CefBrowser> browser, Handler* handler) {
    return (!browser || q.browser_id == browser->GetIdentifier()) &&
           (!handler || q.handler == handler);
  }

  void OnQueryMessage(CefRefPtr<CefBrowser> browser,
                      CefRefPtr<CefFrame> frame,
                      int context_id,
                      int request_id,
                      const CefString& request,
                      bool persistent) {
    Query query{browser, browser->GetIdentifier(), frame, context_id, request_id, persistent,
                nullptr, nullptr};
    if (handlers_.empty()) {
      // Answered at once, and no query id is spent on it.
      SendAnswer(query, false, kCanceledCode, kCanceledMessage);
      return;
    }
    const int64 query_id = next_query_id_++;
    query.callback = new QueryCallback(this, query_id, persistent);
    pending_[query_id] = query;
    // Handlers may add or remove handlers while they are asked; ask those of the moment.
    std::vector<Handler*> handlers(handlers_.begin(), handlers_.end());
    for (Handler* handler : handlers) {
      auto it = pending_.find(query_id);
      if (it == pending_.end() || !Contains(handler))
        continue;
      it->second.handler = handler;
      if (handler->OnQuery(browser, frame, query_id, request, persistent, query.callback))
        return;
    }
    auto it = pending_.find(query_id);
    if (it != pending_.end())
      End(it);
    SendAnswer(query, false, kCanceledCode, kCanceledMessage);
  }

  void CancelBrowser(CefRefPtr<CefBrowser> browser) {
    if (!browser)
      return;
    int browser_id = browser->GetIdentifier();
    CancelWhere([&](const Query& q) { return q.browser_id == browser_id; }, false);
  }

  // Ends each matching query, in the order they were made, and tells its handler.
  template <class Pred>
  void CancelWhere(Pred pred, bool notify_page) {
    std::vector<std::pair<int64, Query>> canceled;
    for (auto it = pending_.begin(); it != pending_.end();) {
      if (pred(it->second)) {
        canceled.emplace_back(it->first, it->second);
        it->second.callback->Detach();
        it = pending_.erase(it);
      } else {
        ++it;
      }
    }
    for (const auto& [query_id, query] : canceled) {
      if (query.handler)
        query.handler->OnQueryCanceled(query.browser, query.frame, query_id);
      if (notify_page)
        SendAnswer(query, false, kCanceledCode, kCanceledMessage);
    }
  }

  void End(std::map<int64, Query>::iterator it) {
    it->second.callback->Detach();
    pending_.erase(it);
  }

  void SendAnswer(const Query& query, bool success, int error_code, const CefString& text) {
    if (!query.frame || !query.frame->IsValid())
      return;
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(query_message_);
    CefRefPtr<CefListValue> args = message->GetArgumentList();
    args->SetInt(0, query.context_id);
    args->SetInt(1, query.request_id);
    args->SetBool(2, success);
    if (success) {
      args->SetString(3, text);
    } else {
      args->SetInt(3, error_code);
      args->SetString(4, text);
    }
    query.frame->SendProcessMessage(PID_RENDERER, message);
  }

  const std::string query_message_;
  const std::string cancel_message_;
  std::set<Handler*> handlers_;
  std::map<int64, Query> pending_;
  int64 next_query_id_ = 1;
};

QueryCallback::QueryCallback(CefRefPtr<BrowserRouter> router, int64 query_id, bool persistent)
    : router_(std::move(router)), query_id_(query_id), persistent_(persistent) {}

QueryCallback::~QueryCallback() = default;

// The answer goes to the UI thread and is sent there in a later loop iteration.
template <class Deliver>
void PostToRouter(CefRefPtr<BrowserRouter> router, Deliver deliver) {
  CefPostTask(TID_UI, new ClosureTask([router, deliver] { deliver(router.get()); }));
}

void QueryCallback::Success(const CefString& response) {
  if (!Take(!persistent_))
    return;
  const int64 query_id = query_id_;
  PostToRouter(router_, [query_id, response](BrowserRouter* router) {
    router->DeliverSuccess(query_id, response);
  });
}

void QueryCallback::Failure(int error_code, const CefString& error_message) {
  if (!Take(true))
    return;
  const int64 query_id = query_id_;
  PostToRouter(router_, [query_id, error_code, error_message](BrowserRouter* router) {
    router->DeliverFailure(query_id, error_code, error_message);
  });
}

}  // namespace
}  // namespace cefsim

CefRefPtr<CefMessageRouterBrowserSide> CefMessageRouterBrowserSide::Create(
    const CefMessageRouterConfig& config) {
  if (config.js_query_function.empty() || config.js_cancel_function.empty())
    return nullptr;
  return new cefsim::BrowserRouter(config);
}
