// brivon-sub as the stand-in's renderer program: every frame's window gets the two functions under
// the bridge's names and not the router's defaults, after every navigation; the router's argument
// checks and messages reach the browser process; the router's own answers reach it back through
// the render-process handler.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "cefsim/driver.h"
#include "tests/recording_client.h"

namespace driver = cefsim::driver;
using driver::JsValue;

namespace {

bool PumpFor(const std::function<bool()>& done) {
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > give_up) return false;
    CefDoMessageLoopWork();
    std::this_thread::yield();
  }
  return true;
}

std::vector<driver::ReceivedMessage> Named(int browser_id, const std::string& name) {
  std::vector<driver::ReceivedMessage> found;
  for (const driver::ReceivedMessage& message : driver::ReceivedProcessMessages(browser_id)) {
    if (message.name.ToString() == name) found.push_back(message);
  }
  return found;
}

class SubRendererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("CEFSIM_TEST_RENDERER", BRIVON_SUB_PATH, 1);
    ASSERT_TRUE(cefsim_test::StartEngineWithContext());
    client = new cefsim_test::RecordingClient();
    browser = cefsim_test::NewBrowser(client.get());
    ASSERT_TRUE(browser);
    id = browser->GetIdentifier();
    ASSERT_GT(driver::RendererProcessId(id), 0);
  }

  void TearDown() override {
    if (browser) {
      browser->GetHost()->CloseBrowser(true);
      PumpFor([&] { return driver::BrowserClosed(id); });
    }
    CefShutdown();
  }

  // Loads the address and waits until every frame's context has the query function.
  void Load(const std::string& url, size_t frames) {
    browser->GetMainFrame()->LoadURL(url);
    ASSERT_TRUE(PumpFor([&] {
      if (browser->IsLoading() || driver::FrameIds(id).size() != frames) return false;
      for (int64 frame : driver::FrameIds(id)) {
        if (driver::WindowHasProperty(id, frame, "javaQuery") != 1) return false;
      }
      return true;
    })) << url;
  }

  driver::CallOutcome Call(int64 frame_id, const std::string& name, std::vector<JsValue> args) {
    driver::CallOutcome outcome;
    EXPECT_TRUE(driver::CallWindowFunction(id, frame_id, name, args, &outcome)) << name;
    return outcome;
  }

  CefRefPtr<cefsim_test::RecordingClient> client;
  CefRefPtr<CefBrowser> browser;
  int id = 0;
};

TEST_F(SubRendererTest, EveryFrameAfterEveryNavigationHasTheBridgesFunctionsOnly) {
  driver::ServePage("http://site.test/", "Home", {"http://site.test/a", "http://site.test/b"});
  driver::ServePage("http://site.test/next", "Next", {"http://site.test/c"});
  for (const auto& [url, frames] : std::vector<std::pair<std::string, size_t>>{
           {"http://site.test/", 3}, {"http://site.test/next", 2}, {"http://site.test/", 3}}) {
    Load(url, frames);
    for (int64 frame : driver::FrameIds(id)) {
      SCOPED_TRACE(url + " frame " + std::to_string(frame));
      EXPECT_EQ(driver::WindowHasProperty(id, frame, "javaQueryCancel"), 1);
      EXPECT_EQ(driver::WindowHasProperty(id, frame, "cefQuery"), 0);
      EXPECT_EQ(driver::WindowHasProperty(id, frame, "cefQueryCancel"), 0);
    }
  }
}

TEST_F(SubRendererTest, QueriesAreCheckedSentAndAnsweredUnderTheBridgesNames) {
  Load("http://site.test/", 1);
  const int64 main = driver::MainFrameId(id);

  driver::CallOutcome wrong = Call(main, "javaQuery", {JsValue::String("x")});
  EXPECT_TRUE(wrong.threw);
  EXPECT_EQ(wrong.exception.ToString(), "Invalid arguments; expecting a single object");
  cefsim_test::Pump(20);
  EXPECT_TRUE(Named(id, "javaQueryMsg").empty()) << "a rejected call sends nothing";

  driver::CallOutcome query = Call(
      main, "javaQuery",
      {JsValue::Object({{"request", JsValue::String("ping")}, {"onSuccess", JsValue::Function()}})});
  ASSERT_FALSE(query.threw) << query.exception.ToString();
  EXPECT_EQ(query.value.integer, 1);
  ASSERT_TRUE(PumpFor([&] { return Named(id, "javaQueryMsg").size() == 1; }));
  const driver::ReceivedMessage sent = Named(id, "javaQueryMsg")[0];
  EXPECT_EQ(sent.frame_id, main);
  ASSERT_EQ(sent.arguments.size(), 4u);
  EXPECT_EQ(sent.arguments[1].integer, 1) << "request id";
  EXPECT_EQ(sent.arguments[2].string.ToString(), "ping");
  EXPECT_FALSE(sent.arguments[3].boolean) << "persistent";

  // The browser side's answer ends the request, so cancelling it afterwards finds nothing:
  // the render-process handler handed the message to the router.
  CefRefPtr<CefProcessMessage> answer = CefProcessMessage::Create("javaQueryMsg");
  CefRefPtr<CefListValue> args = answer->GetArgumentList();
  args->SetInt(0, sent.arguments[0].integer);
  args->SetInt(1, sent.arguments[1].integer);
  args->SetBool(2, true);
  args->SetString(3, "pong");
  browser->GetMainFrame()->SendProcessMessage(PID_RENDERER, answer);
  driver::CallOutcome cancel = Call(main, "javaQueryCancel", {JsValue::Int(query.value.integer)});
  EXPECT_FALSE(cancel.threw);
  EXPECT_FALSE(cancel.value.boolean) << "the answered request was still pending";
}

}  // namespace
