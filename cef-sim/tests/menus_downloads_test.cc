// Context menus and downloads as a client sees them: the default models, how a menu ends, and
// a download's life from the client's consent to its end.

#include <gtest/gtest.h>

#include <vector>

#include "cefsim/driver.h"
#include "include/cef_context_menu_handler.h"
#include "include/cef_download_handler.h"
#include "tests/recording_client.h"

namespace driver = cefsim::driver;
using cefsim_test::NewBrowser;
using cefsim_test::PumpUntil;

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
  bool cancel_on_update = false;

  void OnBeforeDownload(CefRefPtr<CefBrowser>, CefRefPtr<CefDownloadItem>, const CefString&,
                        CefRefPtr<CefBeforeDownloadCallback> callback) override {
    if (consent)
      callback->Continue(continue_path, show_dialog);
  }
  void OnDownloadUpdated(CefRefPtr<CefBrowser>, CefRefPtr<CefDownloadItem> item,
                         CefRefPtr<CefDownloadItemCallback> callback) override {
    update_states.push_back(item->IsInProgress() ? 0
                            : item->IsComplete() ? 1
                            : item->IsCanceled() ? -1
                                                 : -2);
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

}  // namespace
