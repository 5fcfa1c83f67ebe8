// Browsers from creation to OnBeforeClose: when the engine refuses one, identifiers,
// windows, the close sequence, popups and DevTools. One engine per process, so each
// test starts its own.

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "cefsim/driver.h"
#include "tests/recording_client.h"

namespace driver = cefsim::driver;
using cefsim_test::NewBrowser;
using cefsim_test::Pump;
using cefsim_test::PumpUntil;
using cefsim_test::RecordingApp;
using cefsim_test::RecordingClient;
using cefsim_test::StartEngine;
using Lines = std::vector<std::string>;

namespace {

TEST(BrowserLifetimeTest, NoBrowserBeforeTheContextOffTheUiThreadOrAfterShutdown) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  EXPECT_FALSE(NewBrowser(client.get())) << "before CefInitialize";

  CefRefPtr<RecordingApp> app = new RecordingApp();
  CefRefPtr<CefBrowser> inside_context_callback;
  app->on_context_initialized = [&] { inside_context_callback = NewBrowser(client.get()); };
  ASSERT_TRUE(StartEngine(app));
  EXPECT_FALSE(NewBrowser(client.get())) << "before the context is initialised";
  EXPECT_FALSE(CefBrowserHost::CreateBrowser(cefsim_test::Windowless(), client.get(), "",
                                             CefBrowserSettings(), nullptr, nullptr));
  CefDoMessageLoopWork();
  EXPECT_TRUE(inside_context_callback) << "the context is valid inside OnContextInitialized";

  CefRefPtr<CefBrowser> elsewhere;
  std::thread([&] { elsewhere = NewBrowser(client.get()); }).join();
  EXPECT_FALSE(elsewhere) << "off the UI thread";
  EXPECT_EQ(client->created.size(), 1u) << "no OnAfterCreated for a browser never made";

  inside_context_callback->GetHost()->CloseBrowser(false);
  ASSERT_TRUE(PumpUntil([&] { return driver::BrowserClosed(1); }));
  CefShutdown();
  EXPECT_FALSE(NewBrowser(client.get())) << "after CefShutdown";
  EXPECT_EQ(driver::BrowsersOpenAtShutdown(), 0);
}

TEST(BrowserLifetimeTest, IdsStartAtOneAreNeverReusedAndCreationIsAnnouncedBeforeReturn) {
  ASSERT_TRUE(cefsim_test::StartEngineWithContext());
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> first = NewBrowser(client.get());
  ASSERT_TRUE(first);
  ASSERT_EQ(client->created.size(), 1u) << "OnAfterCreated before CreateBrowserSync returns";
  EXPECT_TRUE(client->created[0]->IsSame(first));
  CefRefPtr<CefBrowser> second = NewBrowser(client.get());
  first->GetHost()->CloseBrowser(true);
  ASSERT_TRUE(PumpUntil([&] { return driver::BrowserClosed(1); }));

  ASSERT_TRUE(CefBrowserHost::CreateBrowser(cefsim_test::Windowless(), client.get(),
                                            "http://site.test/", CefBrowserSettings(), nullptr,
                                            nullptr));
  EXPECT_EQ(client->created.size(), 2u) << "CreateBrowser makes the browser later";
  ASSERT_TRUE(PumpUntil([&] { return client->created.size() == 3; }));
  EXPECT_EQ(first->GetIdentifier(), 1);
  EXPECT_EQ(second->GetIdentifier(), 2);
  EXPECT_EQ(client->created[2]->GetIdentifier(), 3);
  EXPECT_EQ(driver::BrowserIds(), (std::vector<int>{2, 3}));
  ASSERT_TRUE(PumpUntil(
      [&] { return client->created[2]->HasDocument() && !client->created[2]->IsLoading(); }));
  EXPECT_EQ(client->created[2]->GetMainFrame()->GetURL().ToString(), "http://site.test/")
      << "the initial address loads";

  // The engine lays out each windowless view after creation and asks its size.
  client->view_rect = CefRect(0, 0, 640, 480);
  CefRefPtr<CefBrowser> third = NewBrowser(client.get());
  EXPECT_TRUE(driver::ViewRectsAsked(third->GetIdentifier()).empty());
  Pump(1);
  std::vector<CefRect> asked = driver::ViewRectsAsked(third->GetIdentifier());
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], CefRect(0, 0, 640, 480));
}

TEST(BrowserLifetimeTest, ChildWindowBrowserHasItsOwnWindowUnderTheParent) {
  ASSERT_TRUE(cefsim_test::StartEngineWithContext());
  CefRefPtr<RecordingClient> client = new RecordingClient();
  uintptr_t parent = driver::MakeNativeWindow();
  CefWindowInfo info;
  info.SetAsChild(parent, CefRect(10, 20, 100, 200));
  info.style = 0x56010000;
  CefBrowserSettings settings;
  settings.background_color = 0x01FFFFFF;
  CefRefPtr<CefBrowser> browser =
      CefBrowserHost::CreateBrowserSync(info, client.get(), "", settings, nullptr, nullptr);
  ASSERT_TRUE(browser);
  const int id = browser->GetIdentifier();

  uintptr_t own = browser->GetHost()->GetWindowHandle();
  EXPECT_NE(own, 0u);
  EXPECT_NE(own, parent);
  EXPECT_EQ(driver::ChildWindow(id), own);
  EXPECT_TRUE(driver::IsNativeWindow(own));
  EXPECT_EQ(driver::NativeWindowParent(own), parent);
  EXPECT_EQ(driver::NativeWindowRect(own), CefRect(10, 20, 100, 200));
  driver::BrowserWindowInfo seen;
  ASSERT_TRUE(driver::WindowInfoOf(id, &seen));
  EXPECT_FALSE(seen.windowless);
  EXPECT_EQ(seen.style, 0x56010000u);
  EXPECT_EQ(seen.parent_window, parent);
  driver::BrowserSettingsInfo seen_settings;
  ASSERT_TRUE(driver::BrowserSettingsOf(id, &seen_settings));
  EXPECT_EQ(seen_settings.background_color, 0x01FFFFFFu);
  Pump(2);
  EXPECT_TRUE(driver::ViewRectsAsked(id).empty()) << "a windowed view is not asked its size";
  EXPECT_EQ(NewBrowser(client.get())->GetHost()->GetWindowHandle(), 0u) << "windowless";

  browser->GetHost()->CloseBrowser(true);
  ASSERT_TRUE(PumpUntil([&] { return driver::BrowserClosed(id); }));
  EXPECT_FALSE(driver::IsNativeWindow(own)) << "the browser's window goes with it";
  EXPECT_TRUE(driver::IsNativeWindow(parent));
  EXPECT_FALSE(driver::IsNativeWindow(0));
}

TEST(BrowserLifetimeTest, CloseGivesDoCloseThenOnBeforeCloseInLaterIterations) {
  ASSERT_TRUE(cefsim_test::StartEngineWithContext());
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = NewBrowser(client.get());
  const std::string id = std::to_string(browser->GetIdentifier());
  Pump(2);
  client->clear();

  // A client that keeps the close to itself: nothing more, and the browser works on.
  client->do_close_answer = true;
  browser->GetHost()->CloseBrowser(false);
  EXPECT_TRUE(client->events.empty()) << "the close runs in later iterations";
  Pump(3);
  EXPECT_EQ(client->lines(), (Lines{"do-close " + id}));

  client->do_close_answer = false;
  client->clear();
  browser->GetHost()->CloseBrowser(false);
  browser->GetHost()->CloseBrowser(true);  // asked again while closing: one sequence
  Pump(1);
  EXPECT_EQ(client->lines(), (Lines{"do-close " + id}));
  browser->GetHost()->SetZoomLevel(1.5);
  EXPECT_EQ(browser->GetHost()->GetZoomLevel(), 1.5) << "until OnBeforeClose the browser works";
  EXPECT_TRUE(browser->GetMainFrame());
  Pump(1);
  EXPECT_EQ(client->lines(), (Lines{"do-close " + id, "before-close " + id}));
  EXPECT_TRUE(driver::BrowserClosed(browser->GetIdentifier()));
  EXPECT_EQ(driver::CloseRequests(browser->GetIdentifier()), 3);
  EXPECT_TRUE(driver::BrowserIds().empty());

  // Afterwards the object may still be held, but its host does nothing.
  client->clear();
  EXPECT_FALSE(browser->GetMainFrame());
  browser->GetHost()->SetZoomLevel(3.0);
  EXPECT_EQ(browser->GetHost()->GetZoomLevel(), 1.5);
  browser->GetHost()->CloseBrowser(true);
  browser->Reload();
  browser->GetHost()->ShowDevTools(CefWindowInfo(), client.get(), CefBrowserSettings(),
                                   CefPoint());
  Pump(3);
  EXPECT_TRUE(client->events.empty());
  EXPECT_FALSE(browser->GetHost()->GetClient());
}

TEST(BrowserLifetimeTest, PopupCancelledLeavesNoBrowserAllowedOneGetsTheClientAsChanged) {
  ASSERT_TRUE(cefsim_test::StartEngineWithContext());
  CefRefPtr<RecordingClient> opener_client = new RecordingClient();
  CefRefPtr<RecordingClient> popup_client = new RecordingClient();
  uintptr_t parent = driver::MakeNativeWindow();
  CefWindowInfo info;
  info.SetAsChild(parent, CefRect(0, 0, 50, 50));
  CefRefPtr<CefBrowser> opener =
      CefBrowserHost::CreateBrowserSync(info, opener_client.get(), "http://site.test/",
                                        CefBrowserSettings(), nullptr, nullptr);
  const int oid = opener->GetIdentifier();
  ASSERT_TRUE(PumpUntil([&] { return opener->HasDocument() && !opener->IsLoading(); }));
  opener_client->clear();

  opener_client->before_popup = [](CefWindowInfo&, CefRefPtr<CefClient>&, CefBrowserSettings&) {
    return true;
  };
  ASSERT_TRUE(driver::WindowOpen(oid, "http://site.test/cancelled", false));
  Pump(3);
  EXPECT_EQ(opener_client->lines(),
            (Lines{"before-popup " + std::to_string(oid) + " main http://site.test/cancelled " +
                   std::to_string(WOD_NEW_FOREGROUND_TAB) + " gesture"}));
  EXPECT_EQ(driver::BrowserIds(), (std::vector<int>{oid}));
  EXPECT_EQ(opener_client->popup_features[0].menuBarVisible, 1) << "no features: the defaults";

  opener_client->before_popup = [&](CefWindowInfo& window_info, CefRefPtr<CefClient>& client,
                                    CefBrowserSettings& settings) {
    window_info.SetAsWindowless(0);
    client = popup_client.get();
    settings.windowless_frame_rate = 25;
    return false;
  };
  ASSERT_TRUE(driver::WindowOpen(oid, "http://site.test/popup", true));
  ASSERT_TRUE(PumpUntil([&] { return popup_client->created.size() == 1; }));
  CefRefPtr<CefBrowser> popup = popup_client->created[0];
  EXPECT_EQ(opener_client->events.back().line,
            "before-popup " + std::to_string(oid) + " main http://site.test/popup " +
                std::to_string(WOD_NEW_POPUP) + " gesture");
  const CefPopupFeatures& features = opener_client->popup_features[1];
  EXPECT_TRUE(features.widthSet && features.heightSet);
  EXPECT_EQ(features.width, 300);
  EXPECT_EQ(features.height, 200);
  EXPECT_TRUE(popup->IsPopup());
  EXPECT_FALSE(opener->IsPopup());
  EXPECT_EQ(driver::OpenerOf(popup->GetIdentifier()), oid);
  EXPECT_EQ(popup->GetHost()->GetOpenerWindowHandle(), opener->GetHost()->GetWindowHandle());
  driver::BrowserSettingsInfo settings;
  ASSERT_TRUE(driver::BrowserSettingsOf(popup->GetIdentifier(), &settings));
  EXPECT_EQ(settings.windowless_frame_rate, 25);
  EXPECT_TRUE(popup->GetHost()->IsWindowRenderingDisabled());
  ASSERT_TRUE(PumpUntil([&] { return popup->HasDocument() && !popup->IsLoading(); }));
  EXPECT_EQ(popup->GetMainFrame()->GetURL().ToString(), "http://site.test/popup");
  EXPECT_TRUE(popup_client->lines({"load-end"}).size() == 1) << "the popup's client hears its load";
  EXPECT_TRUE(opener_client->lines({"load-", "created"}).empty());
}

TEST(BrowserLifetimeTest, ShowDevToolsTwiceOpensOneAndItClosesWithCloseDevTools) {
  ASSERT_TRUE(cefsim_test::StartEngineWithContext());
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<RecordingClient> tools_client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = NewBrowser(client.get());
  const int id = browser->GetIdentifier();
  EXPECT_FALSE(browser->GetHost()->HasDevTools());

  for (int i = 0; i < 2; ++i) {
    browser->GetHost()->ShowDevTools(CefWindowInfo(), tools_client.get(), CefBrowserSettings(),
                                     CefPoint());
    Pump(2);
  }
  ASSERT_EQ(tools_client->created.size(), 1u) << "the second call only focuses";
  CefRefPtr<CefBrowser> tools = tools_client->created[0];
  EXPECT_TRUE(tools->IsPopup());
  EXPECT_TRUE(browser->GetHost()->HasDevTools());
  EXPECT_EQ(driver::DevToolsOf(id), tools->GetIdentifier());
  EXPECT_EQ(driver::ShowDevToolsCalls(id), 2);
  EXPECT_EQ(client->created.size(), 1u) << "the DevTools browser belongs to the given client";

  browser->GetHost()->CloseDevTools();
  EXPECT_FALSE(browser->GetHost()->HasDevTools());
  EXPECT_EQ(driver::DevToolsOf(id), 0);
  ASSERT_TRUE(PumpUntil([&] { return driver::BrowserClosed(tools->GetIdentifier()); }));
  EXPECT_EQ(tools_client->lines({"do-close", "before-close"}),
            (Lines{"do-close " + std::to_string(tools->GetIdentifier()),
                   "before-close " + std::to_string(tools->GetIdentifier())}));
  EXPECT_FALSE(driver::BrowserClosed(id));

  // Open again: a new DevTools browser, which closes with the browser it inspects.
  browser->GetHost()->ShowDevTools(CefWindowInfo(), tools_client.get(), CefBrowserSettings(),
                                   CefPoint());
  ASSERT_EQ(tools_client->created.size(), 2u);
  const int again = tools_client->created[1]->GetIdentifier();
  EXPECT_NE(again, tools->GetIdentifier());
  browser->GetHost()->CloseBrowser(false);
  ASSERT_TRUE(PumpUntil([&] { return driver::BrowserClosed(id) && driver::BrowserClosed(again); }));
  EXPECT_TRUE(driver::BrowserIds().empty());
}

TEST(BrowserLifetimeTest, ShutdownWithABrowserOpenIsCountedAndLetsTheClientGo) {
  ASSERT_TRUE(cefsim_test::StartEngineWithContext());
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = NewBrowser(client.get());
  Pump(1);
  EXPECT_FALSE(client->HasOneRef());
  CefShutdown();
  EXPECT_EQ(driver::BrowsersOpenAtShutdown(), 1);
  EXPECT_TRUE(client->HasOneRef()) << "the engine no longer holds the client";
  EXPECT_FALSE(browser->GetMainFrame());
}

}  // namespace
