// Downloads, browser side. The engine asks the client before it writes anything: without a
// Continue the download is dropped. A Continue with show_dialog opens the Save dialog, which
// the driver answers as the user; from then on every change reaches the client as an update
// with a fresh snapshot of the item, valid only during that call, and a callback through
// which the client may cancel.

#include "cefsim/downloads.h"

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
  CefString GetContentDisposition() override { return CefString(); }
  CefString GetMimeType() override {
    return valid_ ? CefString("application/octet-stream") : CefString();
  }

 private:
  const DownloadRecord record_;
  const int64_t total_;
  const int64_t received_;
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

void PostUpdate(uint32_t id);

class DownloadItemCallbackImpl : public CefDownloadItemCallback {
 public:
  explicit DownloadItemCallbackImpl(uint32_t id) : id_(id) {}

  // CefDownloadItemCallback methods:
  void Cancel() override {
    const bool canceled = Change(id_, [](Download& d) {
      ++d.record.cancel_calls;
      if (d.record.stage != DownloadRecord::kInProgress)
        return false;
      d.record.stage = DownloadRecord::kCanceled;
      return true;
    });
    if (canceled)
      PostUpdate(id_);
  }
  // The stand-in's bodies arrive when the driver says; pausing changes nothing it models.
  void Pause() override {}
  void Resume() override {}

 private:
  const uint32_t id_;

  IMPLEMENT_REFCOUNTING(DownloadItemCallbackImpl);
};

// UI thread.
void DeliverUpdate(uint32_t id) {
  CefRefPtr<DownloadItemImpl> item;
  CefRefPtr<BrowserImpl> browser;
  {
    std::lock_guard<std::mutex> lock(DownloadsMutex());
    Download& d = Table()[id];
    ++d.record.updates;
    item = new DownloadItemImpl(d);
    browser = d.browser;
  }
  if (browser->closed())
    return;
  CefRefPtr<CefDownloadHandler> handler = HandlerOf(browser);
  if (handler)
    handler->OnDownloadUpdated(browser, item.get(), new DownloadItemCallbackImpl(id));
  item->Invalidate();
}

void PostUpdate(uint32_t id) {
  CefRefPtr<BrowserImpl> browser;
  {
    std::lock_guard<std::mutex> lock(DownloadsMutex());
    browser = Table()[id].browser;
  }
  browser->PostTask([id]() { DeliverUpdate(id); });
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
    bool writing = false;
    Change(id_, [&](Download& d) {
      if (d.record.stage != DownloadRecord::kAsking)
        return false;
      d.record.continued = true;
      d.record.continue_path = download_path;
      d.record.show_dialog = show_dialog;
      if (show_dialog) {
        d.record.dialog_name = download_path.empty() ? d.record.suggested_name : download_path;
        d.record.stage = DownloadRecord::kSaveDialog;
        return true;
      }
      const CefString path =
          download_path.empty()
              ? CefString(std::string(kDefaultDownloadDirectory) + d.record.suggested_name.ToString())
              : download_path;
      writing = BeginWriting(d, path);
      return true;
    });
    if (writing)
      PostUpdate(id_);
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
  const bool done = Change(id, [&](Download& d) {
    if (d.record.stage != DownloadRecord::kInProgress)
      return false;
    step(d);
    return true;
  });
  if (done)
    PostUpdate(id);
  return done;
}

}  // namespace

namespace driver {

uint32_t StartDownload(int browser_id,
                       const CefString& url,
                       const CefString& suggested_name,
                       int64_t total_bytes) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  if (!browser || browser->closed())
    return 0;
  uint32_t id;
  {
    std::lock_guard<std::mutex> lock(DownloadsMutex());
    id = g_next_id;
    g_next_id = g_next_id == UINT32_MAX ? 1 : g_next_id + 1;
    Download d;
    d.record.id = id;
    d.record.browser_id = browser_id;
    d.record.url = url;
    d.record.suggested_name = suggested_name;
    d.total_bytes = total_bytes;
    d.browser = browser;
    Table()[id] = d;
    StartOrder().push_back(id);
  }
  browser->PostTask([id]() { AskClient(id); });
  return id;
}

void SetNextDownloadId(uint32_t id) {
  std::lock_guard<std::mutex> lock(DownloadsMutex());
  g_next_id = id == 0 ? 1 : id;
}

bool ChooseSavePath(uint32_t id, const CefString& path) {
  const bool chosen = Change(id, [&](Download& d) {
    return d.record.stage == DownloadRecord::kSaveDialog && BeginWriting(d, path);
  });
  if (chosen)
    PostUpdate(id);
  return chosen;
}

bool CancelSaveDialog(uint32_t id) {
  const bool canceled = Change(id, [](Download& d) {
    if (d.record.stage != DownloadRecord::kSaveDialog)
      return false;
    d.record.stage = DownloadRecord::kCanceled;
    return true;
  });
  if (canceled)
    PostUpdate(id);
  return canceled;
}

bool DownloadProgress(uint32_t id, int64_t received_bytes) {
  return WritingStep(id, [&](Download& d) { d.received_bytes = received_bytes; });
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
