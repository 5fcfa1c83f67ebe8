// Context-menu requests, browser side: the engine builds the default model for what was
// clicked, lets the client change it, then hands it to the client to show. A client that
// shows the menu itself ends it through the callback; a callback let go without being run
// cancels the menu, so a request never stays open for good.

#include "cefsim/menus.h"

#include <mutex>

#include "include/cef_context_menu_handler.h"
#include "src/browser/browser_registry.h"
#include "src/menu/menu_model_impl.h"

namespace cefsim {
namespace {

using driver::ContextMenuRecord;
using driver::MenuTarget;

std::mutex& RecordsMutex() {
  static std::mutex mutex;
  return mutex;
}

std::vector<ContextMenuRecord>& Records() {
  static std::vector<ContextMenuRecord> records;
  return records;
}

template <class F>
void Update(int request, F change) {
  std::lock_guard<std::mutex> lock(RecordsMutex());
  change(Records()[static_cast<size_t>(request - 1)]);
}

class ContextMenuParamsImpl : public CefContextMenuParams {
 public:
  ContextMenuParamsImpl(MenuTarget target, int x, int y, int edit_flags, const CefString& url)
      : target_(target), x_(x), y_(y), edit_flags_(edit_flags), url_(url) {}

  // CefContextMenuParams methods:
  int GetXCoord() override { return x_; }
  int GetYCoord() override { return y_; }
  TypeFlags GetTypeFlags() override {
    switch (target_) {
      case MenuTarget::kSelection:
        return static_cast<TypeFlags>(CM_TYPEFLAG_PAGE | CM_TYPEFLAG_SELECTION);
      case MenuTarget::kEditable:
        return static_cast<TypeFlags>(CM_TYPEFLAG_PAGE | CM_TYPEFLAG_EDITABLE);
      case MenuTarget::kPage:
        break;
    }
    return CM_TYPEFLAG_PAGE;
  }
  CefString GetLinkUrl() override { return CefString(); }
  CefString GetUnfilteredLinkUrl() override { return CefString(); }
  CefString GetSourceUrl() override { return CefString(); }
  bool HasImageContents() override { return false; }
  CefString GetTitleText() override { return CefString(); }
  CefString GetPageUrl() override { return url_; }
  CefString GetFrameUrl() override { return url_; }
  CefString GetFrameCharset() override { return CefString("UTF-8"); }
  MediaType GetMediaType() override { return CM_MEDIATYPE_NONE; }
  MediaStateFlags GetMediaStateFlags() override { return CM_MEDIAFLAG_NONE; }
  CefString GetSelectionText() override {
    return target_ == MenuTarget::kSelection ? CefString("selected text") : CefString();
  }
  CefString GetMisspelledWord() override { return CefString(); }
  bool GetDictionarySuggestions(std::vector<CefString>& suggestions) override {
    suggestions.clear();
    return false;
  }
  bool IsEditable() override { return target_ == MenuTarget::kEditable; }
  bool IsSpellCheckEnabled() override { return false; }
  EditStateFlags GetEditStateFlags() override {
    return target_ == MenuTarget::kEditable ? static_cast<EditStateFlags>(edit_flags_)
                                            : CM_EDITFLAG_NONE;
  }
  bool IsCustomMenu() override { return false; }
  bool IsPepperMenu() override { return false; }

 private:
  const MenuTarget target_;
  const int x_;
  const int y_;
  const int edit_flags_;
  const CefString url_;

  IMPLEMENT_REFCOUNTING(ContextMenuParamsImpl);
};

// The engine's default items for what was clicked.
void FillDefaultModel(CefMenuModel& model, MenuTarget target, int edit_flags,
                      CefBrowser& browser) {
  switch (target) {
    case MenuTarget::kEditable: {
      const struct {
        int id;
        const char* label;
        int flag;
      } kEditItems[] = {
          {MENU_ID_UNDO, "&Undo", CM_EDITFLAG_CAN_UNDO},
          {MENU_ID_REDO, "&Redo", CM_EDITFLAG_CAN_REDO},
          {-1, nullptr, 0},
          {MENU_ID_CUT, "Cu&t", CM_EDITFLAG_CAN_CUT},
          {MENU_ID_COPY, "&Copy", CM_EDITFLAG_CAN_COPY},
          {MENU_ID_PASTE, "&Paste", CM_EDITFLAG_CAN_PASTE},
          {MENU_ID_DELETE, "&Delete", CM_EDITFLAG_CAN_DELETE},
          {-1, nullptr, 0},
          {MENU_ID_SELECT_ALL, "Select &All", CM_EDITFLAG_CAN_SELECT_ALL},
      };
      for (const auto& item : kEditItems) {
        if (item.label == nullptr) {
          model.AddSeparator();
          continue;
        }
        model.AddItem(item.id, item.label);
        model.SetEnabled(item.id, (edit_flags & item.flag) != 0);
      }
      return;
    }
    case MenuTarget::kSelection:
      model.AddItem(MENU_ID_COPY, "&Copy");
      return;
    case MenuTarget::kPage:
      model.AddItem(MENU_ID_BACK, "&Back");
      model.SetEnabled(MENU_ID_BACK, browser.CanGoBack());
      model.AddItem(MENU_ID_FORWARD, "&Forward");
      model.SetEnabled(MENU_ID_FORWARD, browser.CanGoForward());
      model.AddSeparator();
      model.AddItem(MENU_ID_PRINT, "&Print...");
      model.AddItem(MENU_ID_VIEW_SOURCE, "&View Page Source");
      return;
  }
}

// The client's way to end a menu it shows; runs at most once.
class RunContextMenuCallbackImpl : public CefRunContextMenuCallback {
 public:
  RunContextMenuCallbackImpl(int request, CefRefPtr<BrowserImpl> browser,
                             CefRefPtr<CefFrame> frame, CefRefPtr<CefContextMenuParams> params,
                             CefRefPtr<CefContextMenuHandler> handler)
      : request_(request), browser_(browser), frame_(frame), params_(params),
        handler_(handler) {}
  ~RunContextMenuCallbackImpl() override {
    if (!done_)
      End(ContextMenuRecord::kCanceled, 0);
  }

  // CefRunContextMenuCallback methods:
  void Continue(int command_id, EventFlags event_flags) override {
    if (done_)
      return;
    End(ContextMenuRecord::kContinued, command_id);
    CefRefPtr<BrowserImpl> browser = browser_;
    CefRefPtr<CefFrame> frame = frame_;
    CefRefPtr<CefContextMenuParams> params = params_;
    CefRefPtr<CefContextMenuHandler> handler = handler_;
    const int request = request_;
    browser_->PostTask([=]() {
      Update(request, [](ContextMenuRecord& r) { ++r.commands_delivered; });
      handler->OnContextMenuCommand(browser, frame, params, command_id, event_flags);
      handler->OnContextMenuDismissed(browser, frame);
    });
  }
  void Cancel() override {
    if (!done_)
      End(ContextMenuRecord::kCanceled, 0);
  }

  // The client did not take the menu: the engine shows its own and ignores the callback.
  void Disown() { done_ = true; }

 private:
  void End(ContextMenuRecord::Outcome outcome, int command_id) {
    done_ = true;
    Update(request_, [&](ContextMenuRecord& r) {
      r.outcome = outcome;
      r.command_id = command_id;
    });
    if (outcome == ContextMenuRecord::kCanceled) {
      CefRefPtr<BrowserImpl> browser = browser_;
      CefRefPtr<CefFrame> frame = frame_;
      CefRefPtr<CefContextMenuHandler> handler = handler_;
      browser_->PostTask([=]() { handler->OnContextMenuDismissed(browser, frame); });
    }
  }

  const int request_;
  CefRefPtr<BrowserImpl> browser_;
  CefRefPtr<CefFrame> frame_;
  CefRefPtr<CefContextMenuParams> params_;
  CefRefPtr<CefContextMenuHandler> handler_;
  bool done_ = false;

  IMPLEMENT_REFCOUNTING(RunContextMenuCallbackImpl);
};

// UI thread.
void HandleRequest(int request, CefRefPtr<BrowserImpl> browser, MenuTarget target, int x, int y,
                   int edit_flags) {
  CefRefPtr<CefClient> client = browser->GetClient();
  CefRefPtr<CefContextMenuHandler> handler = client ? client->GetContextMenuHandler() : nullptr;
  CefRefPtr<CefFrame> frame = browser->GetMainFrame();
  CefRefPtr<CefContextMenuParams> params =
      new ContextMenuParamsImpl(target, x, y, edit_flags, frame ? frame->GetURL() : CefString());
  CefRefPtr<CefMenuModel> model = new MenuModelImpl();
  FillDefaultModel(*model, target, edit_flags, *browser);
  if (handler)
    handler->OnBeforeContextMenu(browser, frame, params, model);
  const int count = model->GetCount();
  Update(request, [count](ContextMenuRecord& r) { r.item_count = count; });
  if (count == 0) {
    Update(request, [](ContextMenuRecord& r) { r.outcome = ContextMenuRecord::kNotShown; });
    return;
  }
  bool client_shows = false;
  if (handler) {
    Update(request, [](ContextMenuRecord& r) { r.run_called = true; });
    CefRefPtr<RunContextMenuCallbackImpl> callback =
        new RunContextMenuCallbackImpl(request, browser, frame, params, handler);
    client_shows = handler->RunContextMenu(browser, frame, params, model, callback.get());
    if (!client_shows)
      callback->Disown();
  }
  if (!client_shows) {
    // The engine's own menu, which no user of the stand-in ever picks from.
    Update(request, [](ContextMenuRecord& r) { r.outcome = ContextMenuRecord::kEngineMenu; });
  }
}

}  // namespace

namespace driver {

int RequestContextMenu(int browser_id, MenuTarget target, int x, int y, int edit_flags) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  if (!browser || browser->closed())
    return 0;
  int request;
  {
    std::lock_guard<std::mutex> lock(RecordsMutex());
    ContextMenuRecord record;
    record.browser_id = browser_id;
    Records().push_back(record);
    request = static_cast<int>(Records().size());
  }
  browser->PostTask([=]() {
    if (!browser->closed())
      HandleRequest(request, browser, target, x, y, edit_flags);
  });
  return request;
}

std::vector<ContextMenuRecord> ContextMenus() {
  std::lock_guard<std::mutex> lock(RecordsMutex());
  return Records();
}

}  // namespace driver
}  // namespace cefsim
