// Navigations as a client sees them: the events and their order, frames and their
// identifiers, failures, stops, history.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cefsim/driver.h"
#include "tests/recording_client.h"

namespace driver = cefsim::driver;
using cefsim_test::NewBrowser;
using cefsim_test::Pump;
using cefsim_test::PumpUntil;
using cefsim_test::RecordingClient;
using Lines = std::vector<std::string>;

namespace {

class NavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(cefsim_test::StartEngineWithContext());
    client = new RecordingClient();
    browser = NewBrowser(client.get());
    ASSERT_TRUE(browser);
    id = std::to_string(browser->GetIdentifier());
    Pump(2);  // the view's first layout
    client->clear();
  }

  // Loads the address and pumps until the load has ended.
  void Load(const std::string& url) {
    const size_t before = client->events.size();
    browser->GetMainFrame()->LoadURL(url);
    ASSERT_TRUE(
        PumpUntil([&] { return client->events.size() > before && !browser->IsLoading(); }))
        << url;
  }

  CefRefPtr<RecordingClient> client;
  CefRefPtr<CefBrowser> browser;
  std::string id;
};

TEST_F(NavigationTest, PageWithSubframesGivesTheEnginesEventOrderAndFreshSubframeIds) {
  driver::ServePage("http://site.test/", "Home", {"http://site.test/a", "http://site.test/b"});
  driver::ServePage("http://site.test/b", "", {}, 404);

  browser->GetMainFrame()->LoadURL("http://site.test/");
  EXPECT_TRUE(client->events.empty()) << "a navigation begins in a later loop iteration";
  EXPECT_FALSE(browser->IsLoading());
  Load("http://site.test/");

  // The load asked for twice in one iteration begins once: only the lines of one load.
  EXPECT_EQ(client->lines(), (Lines{
      "before-browse " + id + " main http://site.test/",
      "loading " + id + " true",
      "address " + id + " main http://site.test/",
      "load-start " + id + " main",
      "before-browse " + id + " sub http://site.test/a",
      "load-start " + id + " sub",
      "load-end " + id + " sub 200",
      "before-browse " + id + " sub http://site.test/b",
      "load-start " + id + " sub",
      "load-end " + id + " sub 404",
      "title " + id + " Home",
      "load-end " + id + " main 200",
      "loading " + id + " false",
  }));

  const auto& e = client->events;
  const int64 main_id = e[3].frame_id;
  std::vector<int64> first = {main_id, e[5].frame_id, e[8].frame_id};
  EXPECT_EQ(std::set<int64>(first.begin(), first.end()).size(), 3u) << "three different frames";
  EXPECT_EQ(e[6].frame_id, e[5].frame_id) << "a subframe's start and end name one frame";
  EXPECT_EQ(browser->GetMainFrame()->GetIdentifier(), main_id);
  EXPECT_EQ(driver::FrameIds(browser->GetIdentifier()),
            std::vector<int64_t>(first.begin(), first.end()));
  CefString url;
  ASSERT_TRUE(driver::FrameUrl(first[2], &url));
  EXPECT_EQ(url.ToString(), "http://site.test/b");
  EXPECT_EQ(browser->GetFrameCount(), 3u);
  CefRefPtr<CefFrame> sub = browser->GetFrame(first[1]);
  ASSERT_TRUE(sub);
  EXPECT_FALSE(sub->IsMain());
  EXPECT_EQ(sub->GetParent()->GetIdentifier(), main_id);

  // The same page again: the main frame stays, the subframes are new frames.
  client->clear();
  browser->Reload();
  Pump(3);
  std::vector<int64_t> second = driver::FrameIds(browser->GetIdentifier());
  ASSERT_EQ(second.size(), 3u);
  EXPECT_EQ(second[0], main_id);
  for (int64 old : first) {
    EXPECT_NE(second[1], old);
    EXPECT_NE(second[2], old);
  }
  EXPECT_FALSE(sub->IsValid()) << "a subframe of the old document is gone";
  EXPECT_FALSE(driver::FrameUrl(first[1], &url));
}

TEST_F(NavigationTest, UnreachableHostFailsBeforeCommitWithNameNotResolved) {
  driver::UnreachableHost("down.test");
  Load("http://site.test/");
  struct Case {
    const char* url;
  } cases[] = {{"http://DOWN.test:8080/x"}, {"https://nowhere.invalid/"}};
  for (const Case& c : cases) {
    client->clear();
    Load(c.url);
    EXPECT_EQ(client->lines(), (Lines{
        "before-browse " + id + " main " + c.url,
        "loading " + id + " true",
        "load-error " + id + " main -105 net::ERR_NAME_NOT_RESOLVED " + c.url,
        "loading " + id + " false",
    })) << c.url;
    EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), "http://site.test/")
        << "nothing committed";
    EXPECT_FALSE(browser->CanGoBack()) << "a failed navigation makes no history entry";
  }
}

TEST_F(NavigationTest, StopLoadOfAHeldLoadGivesAbortedAndNothingWhenReleased) {
  driver::ServePage("http://site.test/", "Home", {"http://site.test/a"});
  driver::HoldLoads(true);
  browser->GetMainFrame()->LoadURL("http://site.test/");
  ASSERT_TRUE(PumpUntil([&] { return client->events.size() >= 4; }));
  Pump(3);
  EXPECT_TRUE(browser->IsLoading()) << "held after the main frame's load start";
  EXPECT_EQ(client->lines().back(), "load-start " + id + " main");

  browser->StopLoad();
  ASSERT_TRUE(PumpUntil([&] { return !browser->IsLoading(); }));
  driver::ReleaseLoads();
  Pump(3);
  EXPECT_EQ(client->lines({"load-", "loading", "title"}), (Lines{
      "loading " + id + " true",
      "load-start " + id + " main",
      "load-error " + id + " main -3 net::ERR_ABORTED http://site.test/",
      "loading " + id + " false",
  }));
}

TEST_F(NavigationTest, ReleasedLoadFinishesAndCancelledBrowseLeavesThePage) {
  driver::HoldLoads(true);
  browser->GetMainFrame()->LoadURL("http://site.test/one");
  Pump(3);
  driver::HoldLoads(false);
  driver::ReleaseLoads();
  ASSERT_TRUE(PumpUntil([&] { return !browser->IsLoading(); }));
  EXPECT_EQ(client->lines().back(), "loading " + id + " false");

  client->clear();
  client->cancel_browse = [](const std::string& url, bool) {
    return url == "http://site.test/two";
  };
  browser->GetMainFrame()->LoadURL("http://site.test/two");
  Pump(3);
  EXPECT_EQ(client->lines(), (Lines{"before-browse " + id + " main http://site.test/two"}))
      << "true from OnBeforeBrowse cancels and nothing follows";
  EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), "http://site.test/one");
}

TEST_F(NavigationTest, HistoryFollowsBackForwardAndANewLoadDropsTheForwardEntries) {
  EXPECT_FALSE(browser->HasDocument());
  EXPECT_TRUE(browser->GetMainFrame()->GetURL().empty());
  browser->GoBack();  // nothing to go back to
  Pump(2);
  EXPECT_TRUE(client->events.empty());

  Load("http://h.test/a");
  EXPECT_TRUE(browser->HasDocument());
  Load("http://h.test/b");
  Load("http://h.test/c");
  struct Step {
    void (CefBrowser::*move)();
    const char* url;
    bool back;
    bool forward;
  } steps[] = {
      {&CefBrowser::GoBack, "http://h.test/b", true, true},
      {&CefBrowser::GoBack, "http://h.test/a", false, true},
      {&CefBrowser::GoForward, "http://h.test/b", true, true},
  };
  for (const Step& s : steps) {
    client->clear();
    (browser.get()->*s.move)();
    ASSERT_TRUE(PumpUntil([&] { return !client->events.empty() && !browser->IsLoading(); }));
    EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), s.url);
    EXPECT_EQ(browser->CanGoBack(), s.back) << s.url;
    EXPECT_EQ(browser->CanGoForward(), s.forward) << s.url;
    EXPECT_EQ(client->lines().back(), std::string("loading ") + id + " false" +
                                          (s.back ? " back" : "") + (s.forward ? " forward" : ""));
  }
  Load("http://h.test/d");
  EXPECT_FALSE(browser->CanGoForward());
  browser->GoBack();
  Pump(3);
  EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), "http://h.test/b");

  browser->GetMainFrame()->LoadString("<p>hi</p>", "http://h.test/text");
  Pump(3);
  EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), "http://h.test/text");
}

TEST_F(NavigationTest, SubframeNavigationKeepsItsFrameAndCanBeCancelled) {
  driver::ServePage("http://site.test/", "", {"http://site.test/a", "http://site.test/b"});
  Load("http://site.test/");
  const int bid = browser->GetIdentifier();
  std::vector<int64_t> frames = driver::FrameIds(bid);
  ASSERT_EQ(frames.size(), 3u);

  client->clear();
  ASSERT_TRUE(driver::NavigateSubframe(bid, 1, "http://site.test/c"));
  Pump(2);
  EXPECT_EQ(client->lines(), (Lines{
      "before-browse " + id + " sub http://site.test/c",
      "load-start " + id + " sub",
      "load-end " + id + " sub 200",
  }));
  for (const auto& e : client->events)
    EXPECT_EQ(e.frame_id, frames[2]);
  EXPECT_EQ(driver::FrameIds(bid), frames);
  CefString url;
  ASSERT_TRUE(driver::FrameUrl(frames[2], &url));
  EXPECT_EQ(url.ToString(), "http://site.test/c");

  client->clear();
  client->cancel_browse = [](const std::string&, bool main) { return !main; };
  ASSERT_TRUE(driver::NavigateSubframe(bid, 0, "http://site.test/d"));
  Pump(2);
  EXPECT_EQ(client->lines(), (Lines{"before-browse " + id + " sub http://site.test/d"}));
  ASSERT_TRUE(driver::FrameUrl(frames[1], &url));
  EXPECT_EQ(url.ToString(), "http://site.test/a");
  EXPECT_FALSE(driver::NavigateSubframe(bid, 2, "http://site.test/e")) << "there is no third";
}

TEST_F(NavigationTest, ScriptsAreRecordedPerFrameAndPageEventsReachTheDisplayHandler) {
  driver::ServePage("http://site.test/", "", {"http://site.test/a"});
  Load("http://site.test/");
  const int bid = browser->GetIdentifier();
  std::vector<int64_t> frames = driver::FrameIds(bid);
  browser->GetMainFrame()->ExecuteJavaScript("main()", "http://site.test/x.js", 7);
  browser->GetFrame(frames[1])->ExecuteJavaScript("sub()", "", 0);
  std::vector<driver::Script> scripts = driver::Scripts(bid);
  ASSERT_EQ(scripts.size(), 2u);
  EXPECT_EQ(scripts[0].frame_id, frames[0]);
  EXPECT_EQ(scripts[0].code.ToString(), "main()");
  EXPECT_EQ(scripts[0].url.ToString(), "http://site.test/x.js");
  EXPECT_EQ(scripts[0].line, 7);
  EXPECT_EQ(scripts[1].frame_id, frames[1]);

  client->clear();
  client->console_answer = true;
  ASSERT_TRUE(driver::ConsoleLog(bid, LOGSEVERITY_WARNING, "kept", "http://site.test/", 3));
  ASSERT_TRUE(driver::Fullscreen(bid, true));
  ASSERT_TRUE(driver::Fullscreen(bid, false));
  ASSERT_TRUE(driver::SetTitle(bid, "Now"));
  EXPECT_TRUE(client->events.empty()) << "the page's messages arrive in a later iteration";
  Pump(1);
  client->console_answer = false;
  ASSERT_TRUE(driver::ConsoleLog(bid, LOGSEVERITY_INFO, "logged", "s.js", 9));
  Pump(1);
  EXPECT_EQ(client->lines(), (Lines{
      "console " + id + " 3 kept http://site.test/:3",
      "fullscreen " + id + " on",
      "fullscreen " + id + " off",
      "title " + id + " Now",
      "console " + id + " 2 logged s.js:9",
  }));
  std::vector<CefString> logged = driver::EngineLoggedConsoleMessages();
  ASSERT_EQ(logged.size(), 1u) << "only the message the client left to the engine";
  EXPECT_EQ(logged[0].ToString(), "logged");
}

}  // namespace
