// Context menus and downloads as a client sees them: the default models, how a menu ends, and
// a download's life from the client's consent to its end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cefsim/driver.h"
#include "include/cef_context_menu_handler.h"
#include "include/cef_download_handler.h"
#include "tests/recording_client.h"

namespace driver = cefsim::driver;
using cefsim_test::NewBrowser;
using cefsim_test::Pump;
using cefsim_test::PumpUntil;
using Lines = std::vector<std::string>;

namespace {

class MenuAndDownloadClient : public cefsim_test::RecordingClient,
                              public CefContextMenuHandler,
                              public CefDownloadHandler {
 public:
  CefRefPtr<CefContextMenuHandler> GetContextMenuHandler() override { return this; }
  CefRefPtr<CefDownloadHandler> GetDownloadHandler() override { return this; }

  // Context menus: RunContextMenu answers run_answer; the callback is kept when asked.
  bool run_answer = true;
  bool keep_callback = false;
  bool clear_model = false;
  std::vector<int> ids;
  std::vector<bool> enabled;
  CefRefPtr<CefRunContextMenuCallback> kept;
  std::vector<int> commands;

  void OnBeforeContextMenu(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                           CefRefPtr<CefContextMenuParams>, CefRefPtr<CefMenuModel> model) override {
    if (clear_model)
      model->Clear();
  }
  bool RunContextMenu(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, CefRefPtr<CefContextMenuParams>,
                      CefRefPtr<CefMenuModel> model,
                      CefRefPtr<CefRunContextMenuCallback> callback) override {
    ids.clear();
    enabled.clear();
    for (int i = 0; i < model->GetCount(); ++i) {
      ids.push_back(model->GetCommandIdAt(i));
      enabled.push_back(model->IsEnabledAt(i));
    }
    if (keep_callback)
      kept = callback;
    return run_answer;
  }
  bool OnContextMenuCommand(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                            CefRefPtr<CefContextMenuParams>, int command_id,
                            EventFlags) override {
    commands.push_back(command_id);
    return true;
  }

  // Downloads: Continue with continue_path / show_dialog when consent is set.
  bool consent = false;
  CefString continue_path;
  bool show_dialog = true;
  std::vector<int> update_states;  // 0 in progress, 1 complete, -1 cancelled, -2 other
  std::vector<int64> update_received;
  std::vector<std::string> update_paths;
  bool cancel_on_update = false;
  // What OnBeforeDownload was told: "name|url|total|percent|mime|disposition".
  std::vector<std::string> asked;

  void OnBeforeDownload(CefRefPtr<CefBrowser>, CefRefPtr<CefDownloadItem> item,
                        const CefString& suggested_name,
                        CefRefPtr<CefBeforeDownloadCallback> callback) override {
    asked.push_back(suggested_name.ToString() + "|" + item->GetURL().ToString() + "|" +
                    std::to_string(item->GetTotalBytes()) + "|" +
                    std::to_string(item->GetPercentComplete()) + "|" +
                    item->GetMimeType().ToString() + "|" +
                    item->GetContentDisposition().ToString());
    if (consent)
      callback->Continue(continue_path, show_dialog);
  }
  void OnDownloadUpdated(CefRefPtr<CefBrowser>, CefRefPtr<CefDownloadItem> item,
                         CefRefPtr<CefDownloadItemCallback> callback) override {
    update_states.push_back(item->IsInProgress() ? 0
                            : item->IsComplete() ? 1
                            : item->IsCanceled() ? -1
                                                 : -2);
    update_received.push_back(item->GetReceivedBytes());
    update_paths.push_back(item->GetFullPath().ToString());
    if (cancel_on_update)
      callback->Cancel();
  }
};

class MenusDownloadsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(cefsim_test::StartEngineWithContext());
    client = new MenuAndDownloadClient();
    browser = NewBrowser(client.get());
    ASSERT_TRUE(browser);
    id = browser->GetIdentifier();
  }

  driver::ContextMenuRecord Menu(driver::MenuTarget target, int edit_flags = 0) {
    const int request = driver::RequestContextMenu(id, target, 1, 2, edit_flags);
    EXPECT_GT(request, 0);
    EXPECT_TRUE(PumpUntil([&] {
      return driver::ContextMenus()[static_cast<size_t>(request - 1)].outcome !=
             driver::ContextMenuRecord::kPending || client->kept;
    }));
    return driver::ContextMenus()[static_cast<size_t>(request - 1)];
  }

  CefRefPtr<MenuAndDownloadClient> client;
  CefRefPtr<CefBrowser> browser;
  int id = 0;
};

TEST_F(MenusDownloadsTest, MenuModelsFollowTheTargetAndTheirEndsAreTheClients) {
  using R = driver::ContextMenuRecord;
  EXPECT_EQ(Menu(driver::MenuTarget::kPage).outcome, R::kCanceled) << "released unrun";
  EXPECT_EQ(client->ids, (std::vector<int>{MENU_ID_BACK, MENU_ID_FORWARD, -1, MENU_ID_PRINT,
                                           MENU_ID_VIEW_SOURCE}));
  EXPECT_EQ(client->enabled, (std::vector<bool>{false, false, true, true, true}));

  Menu(driver::MenuTarget::kEditable, CM_EDITFLAG_CAN_COPY);
  EXPECT_EQ(client->ids, (std::vector<int>{MENU_ID_UNDO, MENU_ID_REDO, -1, MENU_ID_CUT,
                                           MENU_ID_COPY, MENU_ID_PASTE, MENU_ID_DELETE, -1,
                                           MENU_ID_SELECT_ALL}));
  EXPECT_EQ(client->enabled,
            (std::vector<bool>{false, false, true, false, true, false, false, true, false}));

  client->run_answer = false;
  EXPECT_EQ(Menu(driver::MenuTarget::kSelection).outcome, R::kEngineMenu);
  EXPECT_EQ(client->ids, (std::vector<int>{MENU_ID_COPY}));

  client->run_answer = true;
  client->clear_model = true;
  const R empty = Menu(driver::MenuTarget::kPage);
  EXPECT_EQ(empty.outcome, R::kNotShown);
  EXPECT_FALSE(empty.run_called) << "no RunContextMenu for a model without items";
  client->clear_model = false;

  client->keep_callback = true;
  const int request = driver::RequestContextMenu(id, driver::MenuTarget::kPage, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return client->kept != nullptr; }));
  EXPECT_EQ(driver::ContextMenus()[static_cast<size_t>(request - 1)].outcome, R::kPending);
  client->kept->Continue(MENU_ID_PRINT, EVENTFLAG_NONE);
  client->kept = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return !client->commands.empty(); }));
  EXPECT_EQ(client->commands, (std::vector<int>{MENU_ID_PRINT}));
  EXPECT_EQ(driver::ContextMenus()[static_cast<size_t>(request - 1)].outcome, R::kContinued);
}

TEST_F(MenusDownloadsTest, DownloadsNeedContinueAndReportEveryChange) {
  using D = driver::DownloadRecord;
  driver::DownloadRecord record;
  const uint32_t refused = driver::StartDownload(id, "http://f.test/a", "a.bin", 10);
  ASSERT_TRUE(PumpUntil([&] {
    return driver::FindDownload(refused, &record) && record.stage != D::kAsking;
  }));
  EXPECT_EQ(record.stage, D::kNotStarted) << "no Continue: dropped";

  client->consent = true;
  client->show_dialog = false;
  client->continue_path = "/tmp/b.bin";
  const uint32_t direct = driver::StartDownload(id, "http://f.test/b", "b.bin", -1);
  ASSERT_TRUE(PumpUntil([&] { return client->update_states.size() == 1; }));
  ASSERT_TRUE(driver::FindDownload(direct, &record));
  EXPECT_EQ(record.full_path.ToString(), "/tmp/b.bin") << "a path without the dialog is used";
  client->cancel_on_update = true;
  ASSERT_TRUE(driver::DownloadProgress(direct, 4));
  ASSERT_TRUE(PumpUntil([&] { return client->update_states.size() == 3; }));
  EXPECT_EQ(client->update_states, (std::vector<int>{0, 0, -1}));
  EXPECT_FALSE(driver::CompleteDownload(direct)) << "a cancelled download takes no more steps";
}

TEST_F(MenusDownloadsTest, EachChangeIsReportedAsItWasAndTheCancelledDialogAsCancelled) {
  using D = driver::DownloadRecord;
  client->consent = true;
  client->continue_path = "";
  client->show_dialog = true;
  const uint32_t download = driver::StartDownload(id, "http://f.test/c", "c.bin", 100);
  driver::DownloadRecord record;
  ASSERT_TRUE(PumpUntil([&] {
    return driver::FindDownload(download, &record) && record.stage == D::kSaveDialog;
  }));
  Pump(3);
  EXPECT_TRUE(client->update_states.empty()) << "an open dialog is no change of the item";
  // Changes before the next loop iteration: an update each, as its change left the item.
  ASSERT_TRUE(driver::DownloadProgress(download, 30)) << "the body arrives during the dialog";
  ASSERT_TRUE(driver::ChooseSavePath(download, "/tmp/c.bin"));
  ASSERT_TRUE(driver::DownloadProgress(download, 60));
  ASSERT_TRUE(driver::DownloadProgress(download, 60)) << "the same count is no step back";
  EXPECT_FALSE(driver::DownloadProgress(download, 10)) << "bytes received do not shrink";
  ASSERT_TRUE(driver::CompleteDownload(download));
  ASSERT_TRUE(PumpUntil([&] { return client->update_states.size() >= 4; }));
  Pump(3);
  EXPECT_EQ(client->update_states, (std::vector<int>{0, 0, 0, 1}));
  EXPECT_EQ(client->update_received, (std::vector<int64>{30, 30, 60, 100}));
  EXPECT_EQ(client->update_paths, (Lines{"", "/tmp/c.bin", "/tmp/c.bin", "/tmp/c.bin"}));
  ASSERT_TRUE(driver::FindDownload(download, &record));
  EXPECT_EQ(record.updates, 4);

  client->update_states.clear();
  const uint32_t declined = driver::StartDownload(id, "http://f.test/d", "d.bin", 100);
  ASSERT_TRUE(PumpUntil([&] {
    return driver::FindDownload(declined, &record) && record.stage == D::kSaveDialog;
  }));
  ASSERT_TRUE(driver::CancelSaveDialog(declined));
  ASSERT_TRUE(PumpUntil([&] { return !client->update_states.empty(); }));
  Pump(3);
  EXPECT_EQ(client->update_states, (std::vector<int>{-1})) << "one update, cancelled";
  EXPECT_FALSE(driver::ChooseSavePath(declined, "/tmp/d.bin"));

  client->update_states.clear();
  const uint32_t dropped = driver::StartDownload(id, "http://f.test/e", "e.bin", 100);
  ASSERT_TRUE(PumpUntil([&] {
    return driver::FindDownload(dropped, &record) && record.stage == D::kSaveDialog;
  }));
  client->cancel_on_update = true;
  ASSERT_TRUE(driver::DownloadProgress(dropped, 10));
  ASSERT_TRUE(PumpUntil([&] { return client->update_states.size() >= 2; }));
  client->cancel_on_update = false;
  EXPECT_EQ(client->update_states, (std::vector<int>{0, -1}))
      << "a cancel from an update during the dialog cancels";
  EXPECT_FALSE(driver::ChooseSavePath(dropped, "/tmp/e.bin")) << "the dialog went with it";

  client->update_states.clear();
  client->show_dialog = false;
  client->continue_path = "/tmp/f.bin";
  const uint32_t broken = driver::StartDownload(id, "http://f.test/f", "f.bin", 100);
  ASSERT_TRUE(PumpUntil([&] { return client->update_states.size() == 1; }));
  client->cancel_on_update = true;
  ASSERT_TRUE(driver::InterruptDownload(broken));
  ASSERT_TRUE(PumpUntil([&] { return client->update_states.size() >= 3; }));
  EXPECT_EQ(client->update_states, (std::vector<int>{0, -2, -1}))
      << "an interrupted download can still be cancelled";
}

TEST_F(MenusDownloadsTest, ANavigationToADownloadEndsBeforeCommitAndThePageStays) {
  driver::ServePage("http://site.test/", "Home", {});
  const std::string bid = std::to_string(id);
  struct Case {
    const char* url;
    const char* mime;
    const char* disposition;
    int64_t length;
    const char* name;  // null: the engine shows the response
    const char* total;
    const char* item_mime;  // the item's type: the header's, lower-cased, without parameters
  } cases[] = {
      {"http://files.test/r", "application/pdf", "attachment; filename=\"q3; report.pdf\"", 1200,
       "q3; report.pdf", "1200", "application/pdf"},
      {"http://files.test/dir/archive%20v2.zip?x=/y", "application/zip", "", -1,
       "archive v2.zip", "0", "application/zip"},
      {"http://files.test/n", "text/plain",
       "Attachment; filename*=UTF-8''%C3%A9t%C3%A9.txt; filename=\"ete.txt\"", 5,
       "\u00e9t\u00e9.txt", "5", "text/plain"},
      {"http://files.test/e", "", "attachment; filename=\"..\\..\\up/passwd\"", 3, "passwd",
       "3", "application/octet-stream"},
      {"http://files.test/", "Application/X-Thing; q=1", "", 7, "download", "7",
       "application/x-thing"},
      {"http://files.test/data.csv", "text/csv", "", 10, "data.csv", "10", "text/csv"},
      {"http://files.test/notes.txt", "text/plain; charset=utf-8", "inline", 10, nullptr, "", ""},
      {"http://files.test/pic", "image/png", "", 10, nullptr, "", ""},
      {"http://files.test/page", "", "", 10, nullptr, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url);
    driver::ServeResponse(c.url, c.mime, c.disposition, c.length);
    browser->GetMainFrame()->LoadURL("http://site.test/");
    ASSERT_TRUE(PumpUntil([&] { return browser->GetMainFrame()->GetURL() == "http://site.test/" &&
                                       !browser->IsLoading(); }));
    client->clear();
    client->asked.clear();
    browser->GetMainFrame()->LoadURL(c.url);
    ASSERT_TRUE(PumpUntil([&] { return !client->events.empty() && !browser->IsLoading(); }));
    if (c.name == nullptr) {
      EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), c.url) << "shown, committed";
      Pump(3);
      EXPECT_TRUE(client->asked.empty());
      continue;
    }
    EXPECT_EQ(client->lines(), (Lines{
        "before-browse " + bid + " main " + c.url,
        "loading " + bid + " true" + (browser->CanGoBack() ? " back" : ""),
        "load-error " + bid + " main -3 net::ERR_ABORTED " + c.url,
        "loading " + bid + " false" + (browser->CanGoBack() ? " back" : ""),
    }));
    EXPECT_TRUE(client->asked.empty()) << "the client hears of the download later";
    ASSERT_TRUE(PumpUntil([&] { return !client->asked.empty(); }));
    EXPECT_EQ(client->asked, (Lines{std::string(c.name) + "|" + c.url + "|" + c.total + "|" +
                                    (c.length > 0 ? "0" : "-1") + "|" +
                                    c.item_mime + "|" + c.disposition}));
    EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), "http://site.test/");
    EXPECT_EQ(driver::Downloads().back().suggested_name.ToString(), c.name);
  }

  // A subframe whose address is a download gets no document; the page around it loads on.
  driver::ServePage("http://site.test/framed", "Framed", {"http://files.test/r"});
  client->clear();
  client->asked.clear();
  browser->GetMainFrame()->LoadURL("http://site.test/framed");
  ASSERT_TRUE(PumpUntil([&] { return !client->events.empty() && !browser->IsLoading() &&
                                     !client->asked.empty(); }));
  EXPECT_EQ(client->lines({"before-browse", "load-", "title"}), (Lines{
      "before-browse " + bid + " main http://site.test/framed",
      "load-start " + bid + " main",
      "before-browse " + bid + " sub http://files.test/r",
      "load-error " + bid + " sub -3 net::ERR_ABORTED http://files.test/r",
      "title " + bid + " Framed",
      "load-end " + bid + " main 200",
  }));
  EXPECT_EQ(client->asked.size(), 1u);
  EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), "http://site.test/framed");
}

}  // namespace
