// The driver's read-backs of browsers.

#include "cefsim/browsers.h"

#include "src/browser/browser_registry.h"
#include "src/console_log.h"

namespace cefsim {
namespace driver {
namespace {

// The browser's answer, or the empty value for an unknown id.
template <class R, class F>
R Read(int id, R empty, F read) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(id);
  return browser ? read(browser) : empty;
}

}  // namespace

std::vector<int> BrowserIds() {
  std::vector<CefRefPtr<BrowserImpl>> browsers;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    browsers = Browsers().all();
  }
  std::vector<int> ids;
  for (const CefRefPtr<BrowserImpl>& browser : browsers) {
    if (!browser->closed())
      ids.push_back(browser->GetIdentifier());
  }
  return ids;
}

bool KnownBrowser(int id) {
  return FindBrowser(id) != nullptr;
}

bool BrowserClosed(int id) {
  return Read(id, false, [](CefRefPtr<BrowserImpl> b) { return b->closed(); });
}

int CloseRequests(int id) {
  return Read(id, 0, [](CefRefPtr<BrowserImpl> b) { return b->close_requests(); });
}

int OpenerOf(int id) {
  return Read(id, 0, [](CefRefPtr<BrowserImpl> b) { return b->opener_id(); });
}

int64_t MainFrameId(int id) {
  return Read(id, int64_t{0}, [](CefRefPtr<BrowserImpl> b) {
    return b->closed() ? int64_t{0} : static_cast<int64_t>(b->main_frame_id());
  });
}

std::vector<int64_t> FrameIds(int id) {
  return Read(id, std::vector<int64_t>(), [](CefRefPtr<BrowserImpl> b) {
    std::vector<int64> ids = b->frame_ids();
    return std::vector<int64_t>(ids.begin(), ids.end());
  });
}

bool FrameUrl(int64_t frame_id, CefString* url) {
  std::vector<CefRefPtr<BrowserImpl>> browsers;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    browsers = Browsers().all();
  }
  for (const CefRefPtr<BrowserImpl>& browser : browsers) {
    if (browser->FrameUrl(frame_id, url))
      return true;
  }
  return false;
}

std::vector<Script> Scripts(int id) {
  // What the renderer ran before this call has reached the browser side after a sync.
  if (CefRefPtr<BrowserImpl> browser = FindBrowser(id))
    browser->SyncRenderer();
  return Read(id, std::vector<Script>(), [](CefRefPtr<BrowserImpl> b) { return b->scripts(); });
}

std::vector<CefRect> ViewRectsAsked(int id) {
  return Read(id, std::vector<CefRect>(),
              [](CefRefPtr<BrowserImpl> b) { return b->view_rects(); });
}

bool AskViewRect(int id, CefRect* rect) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(id);
  return browser && !browser->closed() && browser->AskViewRect(rect);
}

bool WindowInfoOf(int id, BrowserWindowInfo* info) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(id);
  if (!browser)
    return false;
  *info = browser->window_info();
  return true;
}

bool BrowserSettingsOf(int id, BrowserSettingsInfo* settings) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(id);
  if (!browser)
    return false;
  *settings = browser->browser_settings();
  return true;
}

double ZoomLevel(int id) {
  return Read(id, 0.0, [](CefRefPtr<BrowserImpl> b) { return b->zoom_level(); });
}

int DevToolsOf(int id) {
  return Read(id, 0, [](CefRefPtr<BrowserImpl> b) { return b->devtools_id(); });
}

int ShowDevToolsCalls(int id) {
  return Read(id, 0, [](CefRefPtr<BrowserImpl> b) { return b->show_devtools_calls(); });
}

uintptr_t ChildWindow(int id) {
  return Read(id, uintptr_t{0}, [](CefRefPtr<BrowserImpl> b) {
    return b->closed() ? uintptr_t{0} : b->window();
  });
}

std::vector<CefString> EngineLoggedConsoleMessages() {
  return ConsoleMessagesLogged();
}

int BrowsersOpenAtShutdown() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return Browsers().open_at_shutdown;
}

}  // namespace driver
}  // namespace cefsim
