// Browsers whose pages live in a renderer process started from the subprocess program:
// contexts per document and frame, the router's functions on every window with their
// argument checks and messages, process messages both ways, a renderer's death, and no
// child left behind.

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <string>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "cefsim/driver.h"
#include "tests/recording_client.h"

namespace driver = cefsim::driver;
using driver::JsValue;
using Members = std::vector<std::pair<CefString, JsValue>>;

namespace {

class RendererClient : public cefsim_test::RecordingClient {
 public:
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser>,
                                CefRefPtr<CefFrame> frame,
                                CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override {
    if (source_process == PID_RENDERER && CefCurrentlyOn(TID_UI) && frame &&
        message->IsReadOnly())
      messages.push_back(message->GetName().ToString());
    return false;
  }
  void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser,
                                 TerminationStatus status) override {
    terminated.push_back(std::to_string(browser->GetIdentifier()) + " " +
                         std::to_string(status));
  }

  void OnLoadEnd(CefRefPtr<CefBrowser> browser,
                 CefRefPtr<CefFrame> frame,
                 int httpStatusCode) override {
    if (frame->IsMain() && on_main_load_end)
      on_main_load_end(frame);
    RecordingClient::OnLoadEnd(browser, frame, httpStatusCode);
  }

  std::vector<std::string> messages;
  std::vector<std::string> terminated;
  std::function<void(CefRefPtr<CefFrame>)> on_main_load_end;
};

// The renderer answers in its own time: pump until done, for a bounded time.
bool PumpFor(const std::function<bool()>& done) {
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > give_up)
      return false;
    CefDoMessageLoopWork();
    std::this_thread::yield();
  }
  return true;
}

std::vector<driver::ReceivedMessage> Named(int browser_id, const std::string& name) {
  std::vector<driver::ReceivedMessage> found;
  for (const driver::ReceivedMessage& message : driver::ReceivedProcessMessages(browser_id)) {
    if (message.name.ToString() == name)
      found.push_back(message);
  }
  return found;
}

// "main url" or "sub url" for each context message of that name, in order.
std::vector<std::string> Contexts(int browser_id, const std::string& what) {
  std::vector<std::string> lines;
  for (const driver::ReceivedMessage& message : Named(browser_id, "test.context-" + what)) {
    lines.push_back(std::string(message.arguments[0].boolean ? "main " : "sub ") +
                    message.arguments[1].string.ToString());
  }
  return lines;
}

std::vector<int> Ints(const driver::ReceivedMessage& message) {
  std::vector<int> values;
  for (const JsValue& value : message.arguments)
    values.push_back(value.integer);
  return values;
}

bool ProcessGone(int pid) {
  return kill(pid, 0) != 0 && errno == ESRCH;
}

class RendererProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("CEFSIM_TEST_RENDERER", CEFSIM_TEST_RENDERER_PATH, 1);
    ASSERT_TRUE(cefsim_test::StartEngineWithContext());
    client = new RendererClient();
    browser = cefsim_test::NewBrowser(client.get());
    ASSERT_TRUE(browser);
    id = browser->GetIdentifier();
    ASSERT_GT(driver::RendererProcessId(id), 0);
  }

  void Load(const std::string& url, size_t contexts_after) {
    browser->GetMainFrame()->LoadURL(url);
    ASSERT_TRUE(PumpFor([&] {
      return !browser->IsLoading() && Contexts(id, "created").size() >= contexts_after;
    })) << url;
  }

  driver::CallOutcome Call(int64 frame_id, const std::string& name, std::vector<JsValue> args) {
    driver::CallOutcome outcome;
    EXPECT_TRUE(driver::CallWindowFunction(id, frame_id, name, args, &outcome)) << name;
    return outcome;
  }

  CefRefPtr<RendererClient> client;
  CefRefPtr<CefBrowser> browser;
  int id = 0;
};

TEST_F(RendererProcessTest, EveryDocumentOfEveryFrameGetsAContextWithTheRoutersFunctions) {
  driver::ServePage("http://site.test/", "Home", {"http://site.test/a", "http://site.test/b"});
  Load("http://site.test/", 3);
  EXPECT_EQ(Contexts(id, "created"), (std::vector<std::string>{
      "main http://site.test/", "sub http://site.test/a", "sub http://site.test/b"}));
  for (int64 frame : driver::FrameIds(id)) {
    EXPECT_EQ(driver::WindowHasProperty(id, frame, "javaQuery"), 1);
    EXPECT_EQ(driver::WindowHasProperty(id, frame, "javaQueryCancel"), 1);
    EXPECT_EQ(driver::WindowHasProperty(id, frame, "cefQuery"), 0);
    EXPECT_EQ(driver::WindowHasProperty(id, frame, "cefQueryCancel"), 0);
  }

  // The next document: the old ones' contexts go (subframes first), each sending the
  // router's cancel-all for its context; the new main frame's context follows.
  const std::vector<int64> old_frames = driver::FrameIds(id);
  Load("http://site.test/next", 4);
  EXPECT_EQ(Contexts(id, "released"), (std::vector<std::string>{
      "sub http://site.test/a", "sub http://site.test/b", "main http://site.test/"}));
  EXPECT_EQ(Contexts(id, "created").back(), "main http://site.test/next");
  ASSERT_TRUE(PumpFor([&] { return Named(id, "javaQueryCancelMsg").size() == 3; }));
  std::vector<std::vector<int>> cancels;
  for (const auto& message : Named(id, "javaQueryCancelMsg"))
    cancels.push_back(Ints(message));
  EXPECT_EQ(cancels, (std::vector<std::vector<int>>{{2, 0}, {3, 0}, {1, 0}}));
  EXPECT_EQ(driver::WindowHasProperty(id, old_frames[1], "javaQuery"), -1) << "frame gone";
  EXPECT_EQ(driver::WindowHasProperty(id, driver::MainFrameId(id), "javaQuery"), 1);
}

TEST_F(RendererProcessTest, QueryFunctionChecksItsArgumentsWithTheRoutersTexts) {
  Load("http://site.test/", 1);
  const int64 main = driver::MainFrameId(id);
  const JsValue fn = JsValue::Function();
  const JsValue text = JsValue::String("x");
  struct Case {
    std::vector<JsValue> args;
    std::string thrown;
  };
  const std::string object = "Invalid arguments; expecting a single object";
  const std::vector<Case> cases = {
      {{text}, object},
      {{}, object},
      {{JsValue::Object({{"request", text}}), text}, object},
      {{JsValue::Object({})},
       "Invalid arguments; object member 'request' is required and must have type string"},
      {{JsValue::Object({{"request", JsValue::Int(5)}})},
       "Invalid arguments; object member 'request' is required and must have type string"},
      {{JsValue::Object({{"request", text}, {"onSuccess", text}})},
       "Invalid arguments; object member 'onSuccess' must have type function"},
      {{JsValue::Object({{"request", text}, {"onSuccess", fn}, {"onFailure", JsValue::Null()}})},
       "Invalid arguments; object member 'onFailure' must have type function"},
      {{JsValue::Object({{"request", text}, {"persistent", JsValue::Int(1)}})},
       "Invalid arguments; object member 'persistent' must have type boolean"},
  };
  for (const Case& c : cases) {
    driver::CallOutcome outcome = Call(main, "javaQuery", c.args);
    EXPECT_TRUE(outcome.threw);
    EXPECT_EQ(outcome.exception.ToString(), c.thrown);
  }
  driver::CallOutcome not_integer = Call(main, "javaQueryCancel", {text});
  EXPECT_EQ(not_integer.exception.ToString(), "Invalid arguments; expecting a single integer");
  cefsim_test::Pump(20);
  EXPECT_TRUE(Named(id, "javaQueryMsg").empty()) << "a rejected call sends nothing";
  EXPECT_TRUE(Named(id, "javaQueryCancelMsg").empty());

  driver::CallOutcome first = Call(
      main, "javaQuery", {JsValue::Object({{"request", JsValue::String("ping")},
                                           {"onSuccess", fn}, {"onFailure", fn}})});
  driver::CallOutcome second = Call(
      main, "javaQuery",
      {JsValue::Object(
          {{"request", JsValue::String("watch")}, {"persistent", JsValue::Bool(true)}})});
  ASSERT_FALSE(first.threw);
  EXPECT_EQ(first.value.type, JsValue::kInt);
  EXPECT_EQ(first.value.integer, 1);
  EXPECT_EQ(second.value.integer, 2);
  EXPECT_TRUE(Named(id, "javaQueryMsg").empty()) << "messages arrive in a later iteration";
  ASSERT_TRUE(PumpFor([&] { return Named(id, "javaQueryMsg").size() == 2; }));
  std::vector<driver::ReceivedMessage> queries = Named(id, "javaQueryMsg");
  EXPECT_EQ(queries[0].frame_id, main);
  ASSERT_EQ(queries[0].arguments.size(), 4u);
  EXPECT_EQ(queries[0].arguments[0].integer, 1) << "the first context's id";
  EXPECT_EQ(queries[0].arguments[1].integer, 1);
  EXPECT_EQ(queries[0].arguments[2].string.ToString(), "ping");
  EXPECT_EQ(queries[0].arguments[3].type, JsValue::kBool);
  EXPECT_FALSE(queries[0].arguments[3].boolean);
  EXPECT_EQ(queries[1].arguments[1].integer, 2);
  EXPECT_TRUE(queries[1].arguments[3].boolean);

  driver::CallOutcome cancelled = Call(main, "javaQueryCancel", {JsValue::Int(2)});
  driver::CallOutcome again = Call(main, "javaQueryCancel", {JsValue::Int(2)});
  EXPECT_TRUE(cancelled.value.boolean);
  EXPECT_FALSE(again.value.boolean) << "no longer pending";
  ASSERT_TRUE(PumpFor([&] { return !Named(id, "javaQueryCancelMsg").empty(); }));
  cefsim_test::Pump(20);
  ASSERT_EQ(Named(id, "javaQueryCancelMsg").size(), 1u);
  EXPECT_EQ(Ints(Named(id, "javaQueryCancelMsg")[0]), (std::vector<int>{1, 2}));

  driver::CallOutcome missing = Call(main, "nothingHere", {});
  EXPECT_TRUE(missing.threw);
  EXPECT_EQ(missing.exception.ToString(), "TypeError: window.nothingHere is not a function");
}

TEST_F(RendererProcessTest, ProcessMessagesTravelBothWays) {
  Load("http://site.test/", 1);
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("hello");
  message->GetArgumentList()->SetString(0, "a");
  message->GetArgumentList()->SetInt(1, 7);
  browser->GetMainFrame()->SendProcessMessage(PID_RENDERER, message);
  ASSERT_TRUE(PumpFor([&] { return !Named(id, "test.echo").empty(); }));
  const driver::ReceivedMessage echo = Named(id, "test.echo")[0];
  EXPECT_EQ(echo.frame_id, driver::MainFrameId(id));
  ASSERT_EQ(echo.arguments.size(), 4u);
  EXPECT_EQ(echo.arguments[0].string.ToString(), "hello");
  EXPECT_TRUE(echo.arguments[1].boolean) << "it came from the browser process";
  EXPECT_EQ(echo.arguments[2].string.ToString(), "a");
  EXPECT_EQ(echo.arguments[3].integer, 7);
  EXPECT_EQ(client->messages.back(), "test.echo") << "on the UI thread, read-only";
}

TEST_F(RendererProcessTest, KilledRendererIsReportedAndTheBrowserStillCloses) {
  Load("http://site.test/", 1);
  const int pid = driver::RendererProcessId(id);
  ASSERT_TRUE(driver::KillRenderer(id));
  ASSERT_TRUE(PumpFor([&] { return !client->terminated.empty(); }));
  EXPECT_EQ(client->terminated,
            (std::vector<std::string>{std::to_string(id) + " " +
                                      std::to_string(TS_PROCESS_WAS_KILLED)}));
  EXPECT_EQ(driver::RendererProcessId(id), 0);
  EXPECT_TRUE(ProcessGone(pid)) << "reaped";
  driver::CallOutcome outcome;
  EXPECT_FALSE(driver::CallWindowFunction(id, driver::MainFrameId(id), "javaQuery", {},
                                          &outcome));

  browser->GetHost()->CloseBrowser(true);
  ASSERT_TRUE(PumpFor([&] { return driver::BrowserClosed(id); }));
  EXPECT_EQ(driver::LiveRenderers(), 0);
  CefShutdown();
}

TEST_F(RendererProcessTest, NoRendererOutlivesItsBrowserOrTheEngine) {
  CefRefPtr<CefBrowser> other = cefsim_test::NewBrowser(client.get(), "http://site.test/");
  ASSERT_TRUE(other);
  const int first_pid = driver::RendererProcessId(id);
  const int other_pid = driver::RendererProcessId(other->GetIdentifier());
  EXPECT_NE(first_pid, other_pid) << "a renderer per browser";
  EXPECT_EQ(driver::LiveRenderers(), 2);

  browser->GetHost()->CloseBrowser(true);
  ASSERT_TRUE(PumpFor([&] { return driver::BrowserClosed(id); }));
  EXPECT_TRUE(ProcessGone(first_pid));
  EXPECT_TRUE(client->terminated.empty()) << "an engine-ended renderer is no crash";

  // Left open at shutdown: the engine ends its renderer too.
  CefShutdown();
  EXPECT_TRUE(ProcessGone(other_pid));
  EXPECT_EQ(driver::LiveRenderers(), 0);
}

// The browser's answers end a request as the router's rules say; whether one is still
// pending shows in what its cancel returns.
TEST_F(RendererProcessTest, AnswersEndNonPersistentRequestsAndFailuresEndPersistentOnes) {
  Load("http://site.test/", 1);
  const int64 main = driver::MainFrameId(id);
  auto query = [&](bool persistent) {
    return Call(main, "javaQuery",
                {JsValue::Object({{"request", JsValue::String("r")},
                                  {"onSuccess", JsValue::Function()},
                                  {"onFailure", JsValue::Function()},
                                  {"persistent", JsValue::Bool(persistent)}})})
        .value.integer;
  };
  auto answer = [&](int request, bool success) {
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("javaQueryMsg");
    CefRefPtr<CefListValue> args = message->GetArgumentList();
    args->SetInt(0, 1);
    args->SetInt(1, request);
    args->SetBool(2, success);
    if (success) {
      args->SetString(3, "done");
    } else {
      args->SetInt(3, -1);
      args->SetString(4, "no");
    }
    browser->GetMainFrame()->SendProcessMessage(PID_RENDERER, message);
  };
  struct Case {
    bool persistent;
    bool success;
    bool still_pending;
  };
  const Case cases[] = {
      {false, true, false}, {false, false, false}, {true, true, true}, {true, false, false}};
  for (const Case& c : cases) {
    const int request = query(c.persistent);
    answer(request, c.success);
    // The answer and the cancel travel the same channel, in that order.
    driver::CallOutcome cancel = Call(main, "javaQueryCancel", {JsValue::Int(request)});
    EXPECT_EQ(cancel.value.boolean, c.still_pending)
        << "persistent " << c.persistent << " success " << c.success;
  }
  cefsim_test::Pump(20);
  EXPECT_TRUE(Named(id, "test.echo").empty()) << "the router takes its own answers";
}

// How a renderer ended, as OnRenderProcessTerminated tells it.
TEST_F(RendererProcessTest, TerminationStatusFollowsHowTheRendererEnded) {
  CefRefPtr<CefBrowser> crashing = cefsim_test::NewBrowser(client.get());
  ASSERT_TRUE(crashing);
  // A crash is any deadly signal but SIGKILL. Not SIGSEGV: in a sanitized build the renderer's
  // sanitizer runtime catches that one and exits with a code instead of dying of the signal.
  ASSERT_EQ(kill(driver::RendererProcessId(crashing->GetIdentifier()), SIGABRT), 0);
  ASSERT_TRUE(PumpFor([&] { return !client->terminated.empty(); }));
  EXPECT_EQ(client->terminated[0], std::to_string(crashing->GetIdentifier()) + " " +
                                       std::to_string(TS_PROCESS_CRASHED));
  EXPECT_EQ(driver::LiveRenderers(), 1) << "the other browser's renderer lives on";
}

// "frame-index code document" for each script the renderer ran, 0 being the main frame.
std::vector<std::string> ScriptsRan(int browser_id, const std::vector<int64>& frames) {
  std::vector<std::string> lines;
  for (const driver::Script& script : driver::Scripts(browser_id)) {
    size_t index = 0;
    while (index < frames.size() && frames[index] != script.frame_id)
      ++index;
    lines.push_back(std::to_string(index) + " " + script.code.ToString() + " " +
                    script.document.ToString());
  }
  return lines;
}

// A script runs in the renderer, in the document that was current when it was executed:
// one executed at load end in the document that loaded, one executed right after a
// navigation started in the document still shown.
TEST_F(RendererProcessTest, ScriptsRunInTheRendererInTheDocumentCurrentWhenExecuted) {
  driver::ServePage("http://site.test/", "", {"http://site.test/a"});
  client->on_main_load_end = [](CefRefPtr<CefFrame> frame) {
    frame->ExecuteJavaScript("loaded()", "", 0);
  };
  Load("http://site.test/", 2);
  const std::vector<int64> frames = driver::FrameIds(id);
  ASSERT_EQ(frames.size(), 2u);
  browser->GetMainFrame()->ExecuteJavaScript("main()", "http://site.test/x.js", 7);
  CefRefPtr<CefFrame> sub = browser->GetFrame(frames[1]);
  ASSERT_TRUE(sub);
  sub->ExecuteJavaScript("sub()", "", 0);
  browser->GetMainFrame()->LoadURL("http://site.test/next");
  browser->GetMainFrame()->ExecuteJavaScript("leaving()", "", 0);
  Load("http://site.test/next", 3);
  EXPECT_EQ(ScriptsRan(id, frames), (std::vector<std::string>{
      "0 loaded() http://site.test/",
      "0 main() http://site.test/",
      "1 sub() http://site.test/a",
      "0 leaving() http://site.test/",
      "0 loaded() http://site.test/next",
  }));
  const driver::Script second = driver::Scripts(id)[1];
  EXPECT_EQ(second.url.ToString(), "http://site.test/x.js");
  EXPECT_EQ(second.line, 7);
  // A gone subframe runs nothing.
  sub->ExecuteJavaScript("gone()", "", 0);
  EXPECT_EQ(driver::Scripts(id).size(), 5u);

  // The renderer ran them: a dead one runs nothing, and nothing runs in its stead here.
  ASSERT_TRUE(driver::KillRenderer(id));
  ASSERT_TRUE(PumpFor([&] { return !client->terminated.empty(); }));
  browser->GetMainFrame()->ExecuteJavaScript("lost()", "", 0);
  EXPECT_EQ(driver::Scripts(id).size(), 5u);
}

// As with the engine, the navigation after a renderer's death starts a new renderer, whose
// documents get new contexts with the router's functions.
TEST_F(RendererProcessTest, NextNavigationAfterADeadRendererStartsANewOne) {
  Load("http://site.test/", 1);
  const int first_pid = driver::RendererProcessId(id);
  ASSERT_TRUE(driver::KillRenderer(id));
  ASSERT_TRUE(PumpFor([&] { return !client->terminated.empty(); }));
  EXPECT_EQ(driver::RendererProcessId(id), 0);
  EXPECT_EQ(driver::WindowHasProperty(id, driver::MainFrameId(id), "javaQuery"), -1);

  Load("http://site.test/again", 2);
  const int second_pid = driver::RendererProcessId(id);
  EXPECT_GT(second_pid, 0);
  EXPECT_NE(second_pid, first_pid);
  EXPECT_TRUE(ProcessGone(first_pid));
  EXPECT_EQ(driver::LiveRenderers(), 1);
  EXPECT_EQ(Contexts(id, "created").back(), "main http://site.test/again");
  const int64 main = driver::MainFrameId(id);
  EXPECT_EQ(driver::WindowHasProperty(id, main, "javaQuery"), 1);
  EXPECT_EQ(driver::WindowHasProperty(id, main, "javaQueryCancel"), 1);
  EXPECT_EQ(driver::WindowHasProperty(id, main, "cefQuery"), 0);
  driver::CallOutcome query =
      Call(main, "javaQuery", {JsValue::Object({{"request", JsValue::String("r")}})});
  EXPECT_FALSE(query.threw) << query.exception.ToString();
  EXPECT_EQ(query.value.integer, 1) << "a new renderer counts its requests from 1";
  ASSERT_TRUE(PumpFor([&] { return !Named(id, "javaQueryMsg").empty(); }));
  browser->GetMainFrame()->ExecuteJavaScript("back()", "", 0);
  ASSERT_EQ(driver::Scripts(id).size(), 1u);
  EXPECT_EQ(driver::Scripts(id)[0].document.ToString(), "http://site.test/again");
  EXPECT_EQ(client->terminated.size(), 1u) << "a replaced renderer is no new death";

  browser->GetHost()->CloseBrowser(true);
  ASSERT_TRUE(PumpFor([&] { return driver::BrowserClosed(id); }));
  EXPECT_TRUE(ProcessGone(second_pid));
  EXPECT_EQ(driver::LiveRenderers(), 0);
}

TEST(RendererProcessModeTest, WithoutASubprocessProgramPagesStayInTheBrowserProcess) {
  unsetenv("CEFSIM_TEST_RENDERER");
  ASSERT_TRUE(cefsim_test::StartEngineWithContext());
  CefRefPtr<RendererClient> client = new RendererClient();
  CefRefPtr<CefBrowser> browser = cefsim_test::NewBrowser(client.get(), "http://site.test/");
  ASSERT_TRUE(cefsim_test::PumpUntil([&] { return browser->HasDocument(); }));
  const int id = browser->GetIdentifier();
  EXPECT_EQ(driver::RendererProcessId(id), 0);
  EXPECT_EQ(driver::LiveRenderers(), 0);
  EXPECT_EQ(driver::WindowHasProperty(id, driver::MainFrameId(id), "javaQuery"), -1);
  driver::CallOutcome outcome;
  EXPECT_FALSE(driver::CallWindowFunction(id, driver::MainFrameId(id), "javaQuery", {},
                                          &outcome));
  // The page still acts, from the model kept in this process.
  ASSERT_TRUE(driver::SetTitle(id, "Here"));
  cefsim_test::Pump(1);
  EXPECT_EQ(client->lines().back(), "title " + std::to_string(id) + " Here");
}

// A browser process that dies without closing anything takes its renderer with it.
TEST(RendererProcessDeathTest, RendererDiesWithTheBrowserProcess) {
  int report[2];
  ASSERT_EQ(pipe(report), 0);
  pid_t browser_process = fork();
  ASSERT_GE(browser_process, 0);
  if (browser_process == 0) {
    // The browser process of this case: one browser, then an abrupt end.
    setenv("CEFSIM_TEST_RENDERER", CEFSIM_TEST_RENDERER_PATH, 1);
    int pid = 0;
    if (cefsim_test::StartEngineWithContext()) {
      CefRefPtr<RendererClient> client = new RendererClient();
      CefRefPtr<CefBrowser> browser = cefsim_test::NewBrowser(client.get());
      pid = browser ? driver::RendererProcessId(browser->GetIdentifier()) : 0;
    }
    ssize_t written = write(report[1], &pid, sizeof pid);
    _exit(written == sizeof pid ? 0 : 1);
  }
  close(report[1]);
  int renderer = 0;
  ASSERT_EQ(read(report[0], &renderer, sizeof renderer), static_cast<ssize_t>(sizeof renderer));
  close(report[0]);
  ASSERT_GT(renderer, 0);
  // The renderer is not this process's child: a process descriptor tells when it ends.
  int handle = static_cast<int>(syscall(SYS_pidfd_open, renderer, 0));
  int status = 0;
  ASSERT_EQ(waitpid(browser_process, &status, 0), browser_process);
  if (handle < 0) {
    ASSERT_EQ(errno, ESRCH) << "the renderer had ended already";
    return;
  }
  pollfd ended = {handle, POLLIN, 0};
  EXPECT_EQ(poll(&ended, 1, 10000), 1) << "the renderer outlived its browser process";
  close(handle);
}

}  // namespace
