// A browser's DevTools and its closing: CloseBrowser, DoClose and OnBeforeClose in later
// loop iterations, and what a closed browser lets go of.
//
// Threads: client calls and every step here run on the UI thread.

#include <utility>

#include "src/browser/browser_impl.h"
#include "src/browser/browser_registry.h"
#include "src/native_windows.h"

namespace cefsim {

// --- DevTools ------------------------------------------------------------------------------

void BrowserImpl::ShowDevTools(const CefWindowInfo& windowInfo,
                               CefRefPtr<CefClient> client,
                               const CefBrowserSettings& settings,
                               const CefPoint& /*inspect_element_at*/) {
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_)
      return;
    ++show_devtools_calls_;
    // Open already: the engine only brings its window to the front.
    if (devtools_)
      return;
  }
  BrowserParams params;
  params.window_info = windowInfo;
  params.client = client;
  params.settings = settings;
  params.is_popup = true;
  params.opener_window = window_;
  params.inspected_id = identifier_;
  CefRefPtr<BrowserImpl> devtools =
      CreateBrowserNow(params, "devtools://devtools/devtools_app.html");
  if (!devtools)
    return;
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  devtools_ = devtools;
}

void BrowserImpl::CloseDevTools() {
  CefRefPtr<BrowserImpl> devtools;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    devtools.swap(devtools_);
  }
  if (devtools)
    devtools->CloseBrowser(true);
}

bool BrowserImpl::HasDevTools() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return devtools_ != nullptr;
}

// --- closing ---------------------------------------------------------------------------------

void BrowserImpl::CloseBrowser(bool /*force_close*/) {
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    ++close_requests_;
    if (closed_ || close_pending_)
      return;
    close_pending_ = true;
  }
  CefRefPtr<BrowserImpl> self = this;
  PostTask([self]() { self->RunDoClose(); });
}

bool BrowserImpl::TryCloseBrowser() {
  if (closed())
    return true;
  CloseBrowser(false);
  return false;
}

void BrowserImpl::RunDoClose() {
  if (closed())
    return;
  CefRefPtr<CefLifeSpanHandler> handler = LifeSpan();
  if (handler && handler->DoClose(this)) {
    // The client takes the close over; a later CloseBrowser asks again.
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    close_pending_ = false;
    return;
  }
  CefRefPtr<BrowserImpl> self = this;
  PostTask([self]() { self->RunBeforeClose(); });
}

void BrowserImpl::RunBeforeClose() {
  CefRefPtr<BrowserImpl> devtools;
  CefRefPtr<BrowserImpl> inspected;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_)
      return;
    // What loads stops without further events: the page goes with the browser.
    navigation_ = nullptr;
    devtools.swap(devtools_);
    if (inspected_id_)
      inspected = Browsers().Find(inspected_id_);
  }
  // The inspected browser's DevTools go with it.
  if (devtools)
    devtools->CloseBrowser(true);
  if (CefRefPtr<CefLifeSpanHandler> handler = LifeSpan())
    handler->OnBeforeClose(this);
  // The renderer's documents go with the browser; no renderer outlives it.
  EndRenderer();
  CefRefPtr<CefClient> client;
  CefRefPtr<FrameImpl> main_frame;
  std::vector<CefRefPtr<FrameImpl>> subframes;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    closed_ = true;
    loading_ = false;
    client.swap(client_);
    main_frame.swap(main_frame_);
    subframes.swap(subframes_);
    if (main_frame)
      main_frame->Detach();
    for (const CefRefPtr<FrameImpl>& frame : subframes)
      frame->Detach();
    if (inspected && inspected->devtools_.get() == this)
      inspected->devtools_ = nullptr;
  }
  if (window_)
    Windows().Destroy(window_);
  // client, frames and the inspected browser are released here, outside the lock.
}

bool BrowserImpl::Abandon() {
  CefRefPtr<CefClient> client;
  CefRefPtr<FrameImpl> main_frame;
  std::vector<CefRefPtr<FrameImpl>> subframes;
  CefRefPtr<BrowserImpl> devtools;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_)
      return false;
    closed_ = true;
    loading_ = false;
    navigation_ = nullptr;
    client.swap(client_);
    main_frame.swap(main_frame_);
    subframes.swap(subframes_);
    devtools.swap(devtools_);
    if (main_frame)
      main_frame->Detach();
    for (const CefRefPtr<FrameImpl>& frame : subframes)
      frame->Detach();
  }
  EndRenderer();
  if (window_)
    Windows().Destroy(window_);
  return true;
}

}  // namespace cefsim
