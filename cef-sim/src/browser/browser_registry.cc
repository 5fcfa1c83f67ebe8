#include "src/browser/browser_registry.h"

#include <cstdio>

#include "src/engine.h"
#include "src/native_windows.h"

namespace cefsim {
namespace {

// Frame identifiers join a renderer process id and a routing id, as the engine's do. The
// stand-in gives each browser a renderer of its own, so a main frame keeps its identifier.
constexpr int64 kFirstRendererProcessId = 4100;

}  // namespace

std::mutex& BrowsersMutex() {
  static std::mutex* mutex = new std::mutex();
  return *mutex;
}

BrowserRegistry& Browsers() {
  static BrowserRegistry* registry = new BrowserRegistry();
  return *registry;
}

int64 BrowserRegistry::NextFrameIdentifier(int browser_id) {
  int64 process_id = kFirstRendererProcessId + browser_id;
  return (process_id << 32) | static_cast<int64>(++last_routing_id_);
}

CefRefPtr<BrowserImpl> BrowserRegistry::Find(int identifier) const {
  for (const CefRefPtr<BrowserImpl>& browser : browsers_) {
    if (browser->GetIdentifier() == identifier)
      return browser;
  }
  return nullptr;
}

CefRefPtr<BrowserImpl> FindBrowser(int identifier) {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return Browsers().Find(identifier);
}

CefRefPtr<BrowserImpl> CreateBrowserNow(const BrowserParams& params, const CefString& url) {
  {
    std::lock_guard<std::mutex> lock(EngineMutex());
    if (!State().running() || !State().on_ui_thread() || !State().context_valid)
      return nullptr;
  }
  CefRefPtr<BrowserImpl> browser;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    int id = Browsers().NextIdentifier();
    uintptr_t window = 0;
    if (!params.window_info.windowless_rendering_enabled) {
      const CefWindowInfo& info = params.window_info;
      window = Windows().Create(HandleValue(info.parent_window),
                                CefRect(info.x, info.y, info.width, info.height));
    }
    int64 main_frame_id = Browsers().NextFrameIdentifier(id);
    browser = new BrowserImpl(id, params, window, main_frame_id);
    browser->SetMainFrame(new FrameImpl(browser, main_frame_id, nullptr, CefString()));
    Browsers().Add(browser);
  }
  browser->StartRenderer();
  browser->NotifyCreated();
  if (params.window_info.windowless_rendering_enabled)
    browser->AskViewRectLater();
  if (!url.empty())
    browser->StartNavigation(url, false, TT_EXPLICIT);
  return browser;
}

size_t HeldBrowserClients() {
  std::vector<CefRefPtr<BrowserImpl>> browsers;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    browsers = Browsers().all();
  }
  size_t held = 0;
  for (const CefRefPtr<BrowserImpl>& browser : browsers) {
    if (browser->GetClient())
      ++held;
  }
  return held;
}

void AbandonOpenBrowsers() {
  std::vector<CefRefPtr<BrowserImpl>> browsers;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    browsers = Browsers().all();
  }
  int open = 0;
  for (const CefRefPtr<BrowserImpl>& browser : browsers) {
    if (browser->Abandon())
      ++open;
  }
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    Browsers().open_at_shutdown += open;
  }
  if (open > 0) {
    std::fprintf(stderr, "cefsim: CefShutdown with %d browser(s) still open\n", open);
    std::fflush(stderr);
  }
}

}  // namespace cefsim
