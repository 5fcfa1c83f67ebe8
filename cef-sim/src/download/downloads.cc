// Downloads, browser side. The engine asks the client before it writes anything: without a
// Continue the download is dropped. A Continue with show_dialog opens the Save dialog, which
// the driver answers as the user; from then on every change reaches the client as an update
// with a snapshot of the item as that change left it (valid only during that call), and a
// callback through which the client may cancel. Several changes before the next loop
// iteration are as many updates, each with its own state, as the engine's observers get them.

#include "cefsim/downloads.h"
#include "src/download/response_download.h"

#include <map>
#include <mutex>

#include "include/cef_download_handler.h"
#include "src/browser/browser_registry.h"

namespace cefsim {
namespace {

using driver::DownloadRecord;

// Where a download goes when the client names no path and wants no dialog.
constexpr char kDefaultDownloadDirectory[] = "/home/user/Downloads/";

struct Download {
  DownloadRecord record;
  int64_t total_bytes = -1;  // unknown while negative
  int64_t received_bytes = 0;
  CefString mime_type = "application/octet-stream";
  CefString content_disposition;
  CefRefPtr<BrowserImpl> browser;
};

std::mutex& DownloadsMutex() {
  static std::mutex mutex;
  return mutex;
}

// Guarded by DownloadsMutex(); entries are never erased, so references stay valid.
std::map<uint32_t, Download>& Table() {
  static std::map<uint32_t, Download> table;
  return table;
}
std::vector<uint32_t>& StartOrder() {
  static std::vector<uint32_t> order;
  return order;
}
uint32_t g_next_id = 1;

// The download's state at one moment.
class DownloadItemImpl : public CefDownloadItem {
 public:
  DownloadItemImpl(const Download& d)
      : record_(d.record), total_(d.total_bytes), received_(d.received_bytes),
        mime_type_(d.mime_type), content_disposition_(d.content_disposition),
        valid_(d.record.stage != DownloadRecord::kRemoved) {}

  // The engine's item goes once the handler call returns.
  void Invalidate() { valid_ = false; }

  // CefDownloadItem methods:
  bool IsValid() override { return valid_; }
  bool IsInProgress() override {
    return valid_ && (record_.stage == DownloadRecord::kAsking ||
                      record_.stage == DownloadRecord::kSaveDialog ||
                      record_.stage == DownloadRecord::kInProgress);
  }
  bool IsComplete() override { return valid_ && record_.stage == DownloadRecord::kComplete; }
  bool IsCanceled() override { return valid_ && record_.stage == DownloadRecord::kCanceled; }
  int64 GetCurrentSpeed() override { return 0; }
  int GetPercentComplete() override {
    if (!valid_ || total_ <= 0)
      return -1;
    return static_cast<int>(received_ * 100 / total_);
  }
  int64 GetTotalBytes() override { return valid_ && total_ > 0 ? total_ : 0; }
  int64 GetReceivedBytes() override { return valid_ ? received_ : 0; }
  CefTime GetStartTime() override { return CefTime(); }
  CefTime GetEndTime() override { return CefTime(); }
  CefString GetFullPath() override { return valid_ ? record_.full_path : CefString(); }
  uint32 GetId() override { return valid_ ? record_.id : 0; }
  CefString GetURL() override { return valid_ ? record_.url : CefString(); }
  CefString GetOriginalUrl() override { return GetURL(); }
  CefString GetSuggestedFileName() override {
    return valid_ ? record_.suggested_name : CefString();
  }
  CefString GetContentDisposition() override {
    return valid_ ? content_disposition_ : CefString();
  }
  CefString GetMimeType() override { return valid_ ? mime_type_ : CefString(); }

 private:
  const DownloadRecord record_;
  const int64_t total_;
  const int64_t received_;
  const CefString mime_type_;
  const CefString content_disposition_;
  bool valid_;

  IMPLEMENT_REFCOUNTING(DownloadItemImpl);
};

CefRefPtr<CefDownloadHandler> HandlerOf(const CefRefPtr<BrowserImpl>& browser) {
  CefRefPtr<CefClient> client = browser->GetClient();
  return client ? client->GetDownloadHandler() : nullptr;
}

// Runs `change` on the download under the lock; true when it was there and `change` agreed.
template <class F>
bool Change(uint32_t id, F change) {
  std::lock_guard<std::mutex> lock(DownloadsMutex());
  auto it = Table().find(id);
  return it != Table().end() && change(it->second);
}

void DeliverUpdate(const Download& snapshot);

// Runs `change` on the download under the lock; when it answers true (it changed the item) the
// client hears of it in a later loop iteration, with the item as this change left it: a later
// change, made before the update runs, is not in it. True when reported.
template <class F>
bool ChangeAndReport(uint32_t id, F change) {
  Download snapshot;
  {
    std::lock_guard<std::mutex> lock(DownloadsMutex());
    auto it = Table().find(id);
    if (it == Table().end() || !change(it->second))
      return false;
    snapshot = it->second;
  }
  CefRefPtr<BrowserImpl> browser = snapshot.browser;
  browser->PostTask([snapshot]() { DeliverUpdate(snapshot); });
  return true;
}

class DownloadItemCallbackImpl : public CefDownloadItemCallback {
 public:
  explicit DownloadItemCallbackImpl(uint32_t id) : id_(id) {}

  // CefDownloadItemCallback methods:
  void Cancel() override {
    Change(id_, [](Download& d) {
      ++d.record.cancel_calls;
      return true;
    });
    // Updates come while the Save dialog is open too, and a cancel from one of them closes it;
    // an interrupted download is not over, so it can still be cancelled.
    ChangeAndReport(id_, [](Download& d) {
      if (d.record.stage != DownloadRecord::kInProgress &&
          d.record.stage != DownloadRecord::kSaveDialog &&
          d.record.stage != DownloadRecord::kInterrupted)
        return false;
      d.record.stage = DownloadRecord::kCanceled;
      return true;
    });
  }
  // The stand-in's bodies arrive when the driver says; pausing changes nothing it models.
  void Pause() override {}
  void Resume() override {}

 private:
  const uint32_t id_;

  IMPLEMENT_REFCOUNTING(DownloadItemCallbackImpl);
};

// UI thread.
void DeliverUpdate(const Download& snapshot) {
  const CefRefPtr<BrowserImpl>& browser = snapshot.browser;
  if (browser->closed())
    return;
  CefRefPtr<CefDownloadHandler> handler = HandlerOf(browser);
  if (!handler)
    return;
  Change(snapshot.record.id, [](Download& d) {
    ++d.record.updates;
    return true;
  });
  CefRefPtr<DownloadItemImpl> item = new DownloadItemImpl(snapshot);
  handler->OnDownloadUpdated(browser, item.get(), new DownloadItemCallbackImpl(snapshot.record.id));
  item->Invalidate();
}

// The path is known: the download starts writing.
bool BeginWriting(Download& d, const CefString& path) {
  d.record.full_path = path;
  d.record.stage = DownloadRecord::kInProgress;
  return true;
}

class BeforeDownloadCallbackImpl : public CefBeforeDownloadCallback {
 public:
  explicit BeforeDownloadCallbackImpl(uint32_t id) : id_(id) {}
  ~BeforeDownloadCallbackImpl() override {
    if (!continued_)
      Change(id_, [](Download& d) {
        if (d.record.stage == DownloadRecord::kAsking)
          d.record.stage = DownloadRecord::kNotStarted;
        return true;
      });
  }

  // CefBeforeDownloadCallback methods:
  void Continue(const CefString& download_path, bool show_dialog) override {
    if (continued_)
      return;
    continued_ = true;
    // The dialog opening is the engine's affair, no change of the item: not reported.
    ChangeAndReport(id_, [&](Download& d) {
      if (d.record.stage != DownloadRecord::kAsking)
        return false;
      d.record.continued = true;
      d.record.continue_path = download_path;
      d.record.show_dialog = show_dialog;
      if (show_dialog) {
        d.record.dialog_name = download_path.empty() ? d.record.suggested_name : download_path;
        d.record.stage = DownloadRecord::kSaveDialog;
        return false;
      }
      const CefString path =
          download_path.empty()
              ? CefString(std::string(kDefaultDownloadDirectory) + d.record.suggested_name.ToString())
              : download_path;
      return BeginWriting(d, path);
    });
  }

 private:
  const uint32_t id_;
  bool continued_ = false;

  IMPLEMENT_REFCOUNTING(BeforeDownloadCallbackImpl);
};

// UI thread.
void AskClient(uint32_t id) {
  CefRefPtr<DownloadItemImpl> item;
  CefRefPtr<BrowserImpl> browser;
  CefString suggested_name;
  {
    std::lock_guard<std::mutex> lock(DownloadsMutex());
    Download& d = Table()[id];
    item = new DownloadItemImpl(d);
    browser = d.browser;
    suggested_name = d.record.suggested_name;
  }
  CefRefPtr<CefDownloadHandler> handler = browser->closed() ? nullptr : HandlerOf(browser);
  {
    CefRefPtr<BeforeDownloadCallbackImpl> callback = new BeforeDownloadCallbackImpl(id);
    if (handler)
      handler->OnBeforeDownload(browser, item.get(), suggested_name, callback.get());
  }
  item->Invalidate();
}

// Applies a driver step to a download that is writing, then tells the client.
template <class F>
bool WritingStep(uint32_t id, F step) {
  return ChangeAndReport(id, [&](Download& d) {
    if (d.record.stage != DownloadRecord::kInProgress)
      return false;
    step(d);
    return true;
  });
}

// A new download of the browser, asked about in a later loop iteration.
uint32_t Begin(CefRefPtr<BrowserImpl> browser, Download d) {
  if (!browser || browser->closed())
    return 0;
  uint32_t id;
  {
    std::lock_guard<std::mutex> lock(DownloadsMutex());
    id = g_next_id;
    g_next_id = g_next_id == UINT32_MAX ? 1 : g_next_id + 1;
    d.record.id = id;
    d.record.browser_id = browser->GetIdentifier();
    d.browser = browser;
    Table()[id] = d;
    StartOrder().push_back(id);
  }
  browser->PostTask([id]() { AskClient(id); });
  return id;
}

}  // namespace

uint32_t StartResponseDownload(CefRefPtr<BrowserImpl> browser,
                               const CefString& url,
                               const Resource& served) {
  Download d;
  d.record.url = url;
  d.record.suggested_name = SuggestedFileName(url, served.content_disposition);
  d.total_bytes = served.content_length;
  const CefString type = MimeTypeOf(served);
  if (!type.empty())
    d.mime_type = type;
  d.content_disposition = served.content_disposition;
  return Begin(browser, d);
}

namespace driver {

uint32_t StartDownload(int browser_id,
                       const CefString& url,
                       const CefString& suggested_name,
                       int64_t total_bytes) {
  Download d;
  d.record.url = url;
  d.record.suggested_name = suggested_name;
  d.total_bytes = total_bytes;
  return Begin(FindBrowser(browser_id), d);
}

void SetNextDownloadId(uint32_t id) {
  std::lock_guard<std::mutex> lock(DownloadsMutex());
  g_next_id = id == 0 ? 1 : id;
}

bool ChooseSavePath(uint32_t id, const CefString& path) {
  return ChangeAndReport(id, [&](Download& d) {
    return d.record.stage == DownloadRecord::kSaveDialog && BeginWriting(d, path);
  });
}

// The engine cancels a download whose dialog the user cancels; its update says so.
bool CancelSaveDialog(uint32_t id) {
  return ChangeAndReport(id, [](Download& d) {
    if (d.record.stage != DownloadRecord::kSaveDialog)
      return false;
    d.record.stage = DownloadRecord::kCanceled;
    return true;
  });
}

// The body keeps arriving while the Save dialog waits for the user: that progress is reported
// too, on an item with no path yet.
bool DownloadProgress(uint32_t id, int64_t received_bytes) {
  bool unchanged = false;
  const bool stepped = ChangeAndReport(id, [&](Download& d) {
    const bool receiving = d.record.stage == DownloadRecord::kInProgress ||
                           d.record.stage == DownloadRecord::kSaveDialog;
    if (!receiving || received_bytes < d.received_bytes)
      return false;
    // No change, no update.
    unchanged = received_bytes == d.received_bytes;
    d.received_bytes = received_bytes;
    return !unchanged;
  });
  return stepped || unchanged;
}

bool CompleteDownload(uint32_t id) {
  return WritingStep(id, [](Download& d) {
    if (d.total_bytes < 0)
      d.total_bytes = d.received_bytes;
    d.received_bytes = d.total_bytes;
    d.record.stage = DownloadRecord::kComplete;
  });
}

bool InterruptDownload(uint32_t id) {
  return WritingStep(id, [](Download& d) { d.record.stage = DownloadRecord::kInterrupted; });
}

bool RemoveDownload(uint32_t id) {
  return WritingStep(id, [](Download& d) { d.record.stage = DownloadRecord::kRemoved; });
}

std::vector<DownloadRecord> Downloads() {
  std::lock_guard<std::mutex> lock(DownloadsMutex());
  std::vector<DownloadRecord> out;
  for (uint32_t id : StartOrder())
    out.push_back(Table()[id].record);
  return out;
}

bool FindDownload(uint32_t id, DownloadRecord* record) {
  std::lock_guard<std::mutex> lock(DownloadsMutex());
  auto it = Table().find(id);
  if (it == Table().end())
    return false;
  *record = it->second.record;
  return true;
}

}  // namespace driver
}  // namespace cefsim
