#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "include/wrapper/cef_message_router.h"
#include "tests/fake_page.h"
#include "tests/recording_app.h"

using cefsim_test::FakeBrowser;
using cefsim_test::FakeFrame;

namespace {

// Records what the router offers; accepts queries when told to and keeps their callbacks.
class RecordingHandler : public CefMessageRouterBrowserSide::Handler {
 public:
  explicit RecordingHandler(bool accept) : accept(accept) {}

  bool accept;
  std::vector<int64> queries;
  std::vector<std::string> requests;
  std::vector<int64> canceled;
  std::vector<CefRefPtr<Callback>> callbacks;

  bool OnQuery(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, int64 query_id, const CefString& request,
               bool, CefRefPtr<Callback> callback) override {
    queries.push_back(query_id);
    requests.push_back(request.ToString());
    callbacks.push_back(callback);
    return accept;
  }
  void OnQueryCanceled(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, int64 query_id) override {
    canceled.push_back(query_id);
  }
};

// What a renderer received, one line per message.
std::vector<std::string> Received(FakeFrame* frame) {
  std::vector<std::string> out;
  for (const auto& [target, message] : frame->sent) {
    CefRefPtr<CefListValue> args = message->GetArgumentList();
    std::string line = message->GetName().ToString();
    if (target != PID_RENDERER)
      line += " (wrong process)";
    for (size_t i = 0; i < args->GetSize(); ++i) {
      line += " ";
      switch (args->GetType(i)) {
        case VTYPE_INT: line += std::to_string(args->GetInt(i)); break;
        case VTYPE_BOOL: line += args->GetBool(i) ? "true" : "false"; break;
        case VTYPE_STRING: line += "'" + args->GetString(i).ToString() + "'"; break;
        default: line += "?";
      }
    }
    out.push_back(line);
  }
  return out;
}

class MessageRouterBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(cefsim_test::StartEngine(new cefsim_test::RecordingApp()));
    CefDoMessageLoopWork();
    CefMessageRouterConfig config;
    config.js_query_function = "javaQuery";
    config.js_cancel_function = "javaQueryCancel";
    router = CefMessageRouterBrowserSide::Create(config);
    ASSERT_TRUE(router);
  }
  void TearDown() override {
    router = nullptr;
    CefShutdown();
  }

  bool Query(int context_id, int request_id, const std::string& request, bool persistent,
             CefRefPtr<FakeFrame> on = nullptr) {
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("javaQueryMsg");
    CefRefPtr<CefListValue> args = message->GetArgumentList();
    args->SetInt(0, context_id);
    args->SetInt(1, request_id);
    args->SetString(2, request);
    args->SetBool(3, persistent);
    return router->OnProcessMessageReceived(browser, on ? on : frame, PID_RENDERER, message);
  }

  bool Cancel(int context_id, int request_id) {
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("javaQueryCancelMsg");
    message->GetArgumentList()->SetInt(0, context_id);
    message->GetArgumentList()->SetInt(1, request_id);
    return router->OnProcessMessageReceived(browser, frame, PID_RENDERER, message);
  }

  CefRefPtr<CefMessageRouterBrowserSide> router;
  CefRefPtr<FakeBrowser> browser = new FakeBrowser(1);
  CefRefPtr<FakeFrame> frame = new FakeFrame(7, true);
};

TEST_F(MessageRouterBrowserTest, WithoutAHandlerTheQueryIsCanceledAtOnce) {
  EXPECT_TRUE(Query(1, 5, "req", false));
  EXPECT_EQ(Received(frame.get()),
            std::vector<std::string>{"javaQueryMsg 1 5 false -1 'The query has been canceled'"});
  EXPECT_FALSE(router->OnProcessMessageReceived(browser, frame, PID_RENDERER,
                                                CefProcessMessage::Create("otherMsg")));
  // The canceled query spent no query id.
  RecordingHandler handler(true);
  router->AddHandler(&handler, false);
  Query(1, 6, "next", false);
  EXPECT_EQ(handler.queries, std::vector<int64>{1});
  router->RemoveHandler(&handler);
}

TEST_F(MessageRouterBrowserTest, AnswersArriveInALaterLoopIterationAndEndTheQuery) {
  RecordingHandler handler(true);
  router->AddHandler(&handler, false);
  Query(1, 1, "first", false);
  Query(1, 2, "second", false);
  ASSERT_EQ(handler.queries, (std::vector<int64>{1, 2}));
  EXPECT_EQ(router->GetPendingCount(browser, &handler), 2);

  handler.callbacks[0]->Success("ok");
  handler.callbacks[0]->Success("again");
  handler.callbacks[0]->Failure(3, "late");
  std::thread other([&] { handler.callbacks[1]->Failure(42, "nope"); });
  other.join();
  EXPECT_TRUE(frame->sent.empty()) << "answers wait for the UI thread's loop";

  CefDoMessageLoopWork();
  EXPECT_EQ(Received(frame.get()),
            (std::vector<std::string>{"javaQueryMsg 1 1 true 'ok'",
                                      "javaQueryMsg 1 2 false 42 'nope'"}));
  EXPECT_EQ(router->GetPendingCount(nullptr, nullptr), 0);
  EXPECT_TRUE(handler.canceled.empty());
}

TEST_F(MessageRouterBrowserTest, APersistentQueryTakesAnswersUntilItFails) {
  RecordingHandler handler(true);
  router->AddHandler(&handler, false);
  Query(2, 9, "watch", true);
  handler.callbacks[0]->Success("a");
  handler.callbacks[0]->Success("b");
  handler.callbacks[0]->Failure(1, "end");
  handler.callbacks[0]->Success("c");
  CefDoMessageLoopWork();
  EXPECT_EQ(Received(frame.get()),
            (std::vector<std::string>{"javaQueryMsg 2 9 true 'a'", "javaQueryMsg 2 9 true 'b'",
                                      "javaQueryMsg 2 9 false 1 'end'"}));
  EXPECT_EQ(router->GetPendingCount(browser, nullptr), 0);
}

TEST_F(MessageRouterBrowserTest, HandlersAreAskedInAddressOrderUntilOneTakesTheQuery) {
  // The engine's branch orders its handlers by address: `first` and the order of adding
  // change nothing. An array's elements lie in address order.
  RecordingHandler handlers[3] = {RecordingHandler(false), RecordingHandler(true),
                                  RecordingHandler(false)};
  EXPECT_TRUE(router->AddHandler(&handlers[2], true));
  EXPECT_TRUE(router->AddHandler(&handlers[1], false));
  EXPECT_TRUE(router->AddHandler(&handlers[0], false));
  EXPECT_FALSE(router->AddHandler(&handlers[1], true)) << "a handler is added once";

  Query(1, 1, "x", false);
  EXPECT_EQ(handlers[0].queries.size(), 1u);
  EXPECT_EQ(handlers[1].queries.size(), 1u);
  EXPECT_TRUE(handlers[2].queries.empty()) << "asked after the one that took the query";
  EXPECT_EQ(router->GetPendingCount(nullptr, &handlers[1]), 1);

  handlers[1].accept = false;
  Query(1, 2, "y", false);
  EXPECT_EQ(handlers[2].queries.size(), 1u);
  EXPECT_EQ(Received(frame.get()),
            std::vector<std::string>{"javaQueryMsg 1 2 false -1 'The query has been canceled'"});
  for (RecordingHandler& handler : handlers)
    router->RemoveHandler(&handler);
}

TEST_F(MessageRouterBrowserTest, CancellationTellsTheHandlerAndSilencesTheCallback) {
  struct Case {
    const char* what;
    std::function<void()> cancel;
    std::vector<int64> canceled;  // of queries 1 (context 1) and 2 (context 2)
  };
  const Case cases[] = {
      {"main-frame navigation", [this] { router->OnBeforeBrowse(browser, frame); }, {1, 2}},
      {"subframe navigation",
       [this] { router->OnBeforeBrowse(browser, new FakeFrame(8, false)); }, {}},
      {"browser closing", [this] { router->OnBeforeClose(browser); }, {1, 2}},
      {"renderer gone", [this] { router->OnRenderProcessTerminated(browser); }, {1, 2}},
      {"other browser closing", [this] { router->OnBeforeClose(new FakeBrowser(2)); }, {}},
      {"page cancels one request", [this] { EXPECT_TRUE(Cancel(2, 20)); }, {2}},
      {"context released", [this] { EXPECT_TRUE(Cancel(1, 0)); }, {1}},
  };
  int64 base = 0;
  for (const Case& c : cases) {
    RecordingHandler handler(true);
    router->AddHandler(&handler, false);
    frame->sent.clear();
    Query(1, 10, "one", false);
    Query(2, 20, "two", true);
    c.cancel();
    std::vector<int64> expected;
    for (int64 id : c.canceled)
      expected.push_back(base + id);
    EXPECT_EQ(handler.canceled, expected) << c.what;

    for (const auto& callback : handler.callbacks)
      callback->Success("late");
    CefDoMessageLoopWork();
    EXPECT_EQ(Received(frame.get()).size(), 2 - c.canceled.size()) << c.what;
    router->RemoveHandler(&handler);
    base += 2;
  }
}

TEST_F(MessageRouterBrowserTest, RemovingAHandlerCancelsItsQueriesAndTellsThePage) {
  RecordingHandler handler(true);
  router->AddHandler(&handler, false);
  Query(3, 4, "q", false);
  EXPECT_TRUE(router->RemoveHandler(&handler));
  EXPECT_FALSE(router->RemoveHandler(&handler));
  EXPECT_EQ(handler.canceled, std::vector<int64>{1});
  EXPECT_EQ(Received(frame.get()),
            std::vector<std::string>{"javaQueryMsg 3 4 false -1 'The query has been canceled'"});
}

TEST_F(MessageRouterBrowserTest, AnAnswerAfterTheRouterIsReleasedIsStillDelivered) {
  // As in the engine's branch, a pending query's callback keeps its router.
  RecordingHandler handler(true);
  router->AddHandler(&handler, false);
  Query(1, 1, "q", false);
  CefRefPtr<CefMessageRouterBrowserSide> released = router;
  router = nullptr;
  released = nullptr;
  handler.callbacks[0]->Success("late but delivered");
  CefDoMessageLoopWork();
  EXPECT_EQ(Received(frame.get()),
            std::vector<std::string>{"javaQueryMsg 1 1 true 'late but delivered'"});
}

TEST(MessageRouterConfigTest, DefaultsAndEmptyNames) {
  CefMessageRouterConfig config;
  EXPECT_EQ(config.js_query_function.ToString(), "cefQuery");
  EXPECT_EQ(config.js_cancel_function.ToString(), "cefQueryCancel");
  config.js_cancel_function = "";
  EXPECT_FALSE(CefMessageRouterBrowserSide::Create(config));
}

}  // namespace
