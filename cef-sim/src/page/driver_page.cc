// The driver's page actions. Each goes to the page in the browser's main frame, which
// tells its browser in a later loop iteration: through the browser's renderer process
// when it has one, otherwise from the page model kept in this process (the stand-in's
// mode for clients that name no subprocess program).

#include "cefsim/page.h"

#include <functional>
#include <memory>

#include "src/browser/browser_registry.h"
#include "src/ipc/wire.h"
#include "src/renderer/renderer_host.h"

namespace cefsim {
namespace {

// Posts the action when the browser exists and has not closed.
bool Act(int browser_id, std::function<void(CefRefPtr<BrowserImpl>)> action) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  if (!browser || browser->closed())
    return false;
  browser->PostTask([browser, action]() {
    if (!browser->closed())
      action(browser);
  });
  return true;
}

// A browser whose renderer runs the page: the action goes there, and the call returns
// once the renderer has handled it (its message to the browser, if any, is queued for
// the next loop iteration). kNoRenderer for a browser whose pages live in this process;
// a browser whose renderer has died has no page to act.
enum Routed { kNoRenderer, kFailed, kDone };

Routed InRenderer(int browser_id, PageAction action, std::function<void(WireWriter&)> fields) {
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  std::shared_ptr<RendererHost> host =
      browser && !browser->closed() ? browser->renderer() : nullptr;
  if (!host)
    return kNoRenderer;
  if (!host->alive())
    return kFailed;
  const int call_id = host->NextCallId();
  WireWriter writer(WireKind::kPageAction);
  writer.I32(call_id).U8(static_cast<uint8_t>(action));
  fields(writer);
  std::string answer;
  return host->Call(call_id, writer, &answer) ? kDone : kFailed;
}

}  // namespace

namespace driver {

bool WindowOpen(int browser_id, const CefString& url, bool with_features) {
  if (Routed routed = InRenderer(browser_id, PageAction::kWindowOpen,
                 [&](WireWriter& w) { w.Str(url).Bool(with_features); }))
    return routed == kDone;
  return Act(browser_id, [url, with_features](CefRefPtr<BrowserImpl> browser) {
    browser->OnPageWindowOpen(url, with_features);
  });
}

bool ConsoleLog(int browser_id,
                int level,
                const CefString& message,
                const CefString& source,
                int line) {
  if (Routed routed = InRenderer(browser_id, PageAction::kConsole,
                 [&](WireWriter& w) { w.I32(level).Str(message).Str(source).I32(line); }))
    return routed == kDone;
  return Act(browser_id, [level, message, source, line](CefRefPtr<BrowserImpl> browser) {
    browser->OnPageConsoleMessage(level, message, source, line);
  });
}

bool Fullscreen(int browser_id, bool on) {
  if (Routed routed =
          InRenderer(browser_id, PageAction::kFullscreen, [&](WireWriter& w) { w.Bool(on); }))
    return routed == kDone;
  return Act(browser_id, [on](CefRefPtr<BrowserImpl> browser) {
    std::shared_ptr<Page> page = browser->main_page();
    if (page && page->RequestFullscreen(on))
      browser->OnPageFullscreen(on);
  });
}

bool NavigateSubframe(int browser_id, int index, const CefString& url) {
  if (index < 0)
    return false;
  CefRefPtr<BrowserImpl> browser = FindBrowser(browser_id);
  CefRefPtr<FrameImpl> frame = browser ? browser->subframe(static_cast<size_t>(index)) : nullptr;
  if (!frame)
    return false;
  // The frame as it is now: if its document goes first, the frame is gone and nothing loads.
  return Act(browser_id, [frame, url](CefRefPtr<BrowserImpl> browser) {
    browser->NavigateSubframe(frame, url, false);
  });
}

bool SetTitle(int browser_id, const CefString& title) {
  if (Routed routed =
          InRenderer(browser_id, PageAction::kTitle, [&](WireWriter& w) { w.Str(title); }))
    return routed == kDone;
  return Act(browser_id, [title](CefRefPtr<BrowserImpl> browser) {
    std::shared_ptr<Page> page = browser->main_page();
    if (page && page->SetTitle(title))
      browser->OnPageTitle(title);
  });
}

}  // namespace driver
}  // namespace cefsim
