// A browser and its host: creation, frames, read-backs, zoom and the view. DevTools and
// closing are in browser_close.cc, navigation in navigation.cc, what pages ask of their
// browser in page_messages.cc, and the host operations the stand-in does not play in
// browser_host_unplayed.cc.
//
// Threads: client calls and every step here run on the UI thread; read-backs for the
// driver on any thread.

#include "src/browser/browser_impl.h"

#include <utility>

#include "src/browser/browser_registry.h"
#include "src/browser/navigation.h"
#include "src/engine.h"
#include "src/native_windows.h"

namespace cefsim {
namespace {

void PostUi(std::function<void()> work) {
  UiQueue().Post(std::move(work), Clock::duration::zero());
}

}  // namespace

BrowserImpl::BrowserImpl(int identifier,
                         const BrowserParams& params,
                         uintptr_t window,
                         int64 main_frame_id)
    : identifier_(identifier),
      main_frame_id_(main_frame_id),
      is_popup_(params.is_popup),
      opener_id_(params.opener_id),
      opener_window_(params.opener_window),
      inspected_id_(params.inspected_id),
      window_(window),
      window_info_(params.window_info),
      settings_(params.settings),
      client_(params.client),
      frame_rate_(params.settings.windowless_frame_rate > 0 ? params.settings.windowless_frame_rate
                                                          : 30) {}

void BrowserImpl::SetMainFrame(CefRefPtr<FrameImpl> frame) {
  main_frame_ = frame;
}

// --- the client's handlers -------------------------------------------------------------

CefRefPtr<CefClient> BrowserImpl::client() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return closed_ ? nullptr : client_;
}

CefRefPtr<CefLifeSpanHandler> BrowserImpl::LifeSpan() const {
  CefRefPtr<CefClient> c = client();
  return c ? c->GetLifeSpanHandler() : nullptr;
}

CefRefPtr<CefLoadHandler> BrowserImpl::Load() const {
  CefRefPtr<CefClient> c = client();
  return c ? c->GetLoadHandler() : nullptr;
}

CefRefPtr<CefDisplayHandler> BrowserImpl::Display() const {
  CefRefPtr<CefClient> c = client();
  return c ? c->GetDisplayHandler() : nullptr;
}

CefRefPtr<CefRequestHandler> BrowserImpl::Requests() const {
  CefRefPtr<CefClient> c = client();
  return c ? c->GetRequestHandler() : nullptr;
}

CefRefPtr<CefRenderHandler> BrowserImpl::Render() const {
  CefRefPtr<CefClient> c = client();
  return c ? c->GetRenderHandler() : nullptr;
}

// --- creation and the view ---------------------------------------------------------------

void BrowserImpl::NotifyCreated() {
  if (CefRefPtr<CefLifeSpanHandler> handler = LifeSpan())
    handler->OnAfterCreated(this);
}

void BrowserImpl::AskViewRectLater() {
  CefRefPtr<BrowserImpl> self = this;
  PostUi([self]() { self->LayOutView(false); });
}

bool BrowserImpl::AskViewRect(CefRect* rect) {
  CefRefPtr<CefRenderHandler> handler = Render();
  if (!handler)
    return false;
  CefRect answer;
  handler->GetViewRect(this, answer);
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  view_rects_.push_back(answer);
  *rect = answer;
  std::lock_guard<std::mutex> view_lock(view_->mutex());
  view_->view_size = answer;
  return true;
}

void BrowserImpl::PostTask(std::function<void()> work) {
  PostUi(std::move(work));
}

void BrowserImpl::RecordScript(int64 frame_id,
                               const CefString& code,
                               const CefString& url,
                               int line,
                               const CefString& document) {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  if (!closed_)
    scripts_.push_back(driver::Script{frame_id, code, url, line, document});
}

// --- read-backs ----------------------------------------------------------------------------

bool BrowserImpl::closed() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return closed_;
}

int BrowserImpl::close_requests() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return close_requests_;
}

std::vector<int64> BrowserImpl::frame_ids() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  std::vector<int64> ids;
  if (!main_frame_)
    return ids;
  ids.push_back(main_frame_->GetIdentifier());
  for (const CefRefPtr<FrameImpl>& frame : subframes_)
    ids.push_back(frame->GetIdentifier());
  return ids;
}

bool BrowserImpl::FrameUrl(int64 frame_id, CefString* url) const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  if (main_frame_ && main_frame_->GetIdentifier() == frame_id) {
    *url = main_frame_->url();
    return true;
  }
  for (const CefRefPtr<FrameImpl>& frame : subframes_) {
    if (frame->GetIdentifier() == frame_id) {
      *url = frame->url();
      return true;
    }
  }
  return false;
}

CefRefPtr<FrameImpl> BrowserImpl::subframe(size_t index) const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return index < subframes_.size() ? subframes_[index] : nullptr;
}

std::vector<driver::Script> BrowserImpl::scripts() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return scripts_;
}

std::vector<CefRect> BrowserImpl::view_rects() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return view_rects_;
}

driver::BrowserWindowInfo BrowserImpl::window_info() const {
  driver::BrowserWindowInfo info;
  info.windowless = window_info_.windowless_rendering_enabled != 0;
  info.style = static_cast<uint32_t>(window_info_.style);
  info.x = window_info_.x;
  info.y = window_info_.y;
  info.width = window_info_.width;
  info.height = window_info_.height;
  info.parent_window = HandleValue(window_info_.parent_window);
  return info;
}

driver::BrowserSettingsInfo BrowserImpl::browser_settings() const {
  return driver::BrowserSettingsInfo{settings_.windowless_frame_rate,
                                     static_cast<uint32_t>(settings_.background_color)};
}

double BrowserImpl::zoom_level() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return zoom_level_;
}

int BrowserImpl::devtools_id() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return devtools_ ? devtools_->identifier_ : 0;
}

int BrowserImpl::show_devtools_calls() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return show_devtools_calls_;
}

std::shared_ptr<Page> BrowserImpl::main_page() const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return main_frame_ && !closed_ ? main_frame_->page() : nullptr;
}

// --- CefBrowser ----------------------------------------------------------------------------

CefRefPtr<CefBrowserHost> BrowserImpl::GetHost() {
  return this;
}

bool BrowserImpl::CanGoBack() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return !closed_ && history_index_ > 0;
}

bool BrowserImpl::CanGoForward() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return !closed_ && history_index_ + 1 < static_cast<int>(history_.size());
}

void BrowserImpl::GoBack() {
  StartHistoryNavigation(-1);
}

void BrowserImpl::GoForward() {
  StartHistoryNavigation(1);
}

bool BrowserImpl::IsLoading() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return !closed_ && loading_;
}

int BrowserImpl::GetIdentifier() {
  return identifier_;
}

bool BrowserImpl::IsSame(CefRefPtr<CefBrowser> that) {
  return that.get() == static_cast<CefBrowser*>(this);
}

bool BrowserImpl::IsPopup() {
  return is_popup_;
}

bool BrowserImpl::HasDocument() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return !closed_ && has_document_;
}

CefRefPtr<CefFrame> BrowserImpl::GetMainFrame() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return main_frame_;
}

CefRefPtr<CefFrame> BrowserImpl::GetFocusedFrame() {
  return GetMainFrame();
}

CefRefPtr<CefFrame> BrowserImpl::GetFrame(int64 identifier) {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  if (main_frame_ && main_frame_->GetIdentifier() == identifier)
    return main_frame_;
  for (const CefRefPtr<FrameImpl>& frame : subframes_) {
    if (frame->GetIdentifier() == identifier)
      return frame;
  }
  return nullptr;
}

CefRefPtr<CefFrame> BrowserImpl::GetFrame(const CefString& name) {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  if (!main_frame_)
    return nullptr;
  // The engine answers an empty name with the main frame.
  if (name.empty())
    return main_frame_;
  for (const CefRefPtr<FrameImpl>& frame : subframes_) {
    if (frame->GetName() == name)
      return frame;
  }
  return nullptr;
}

size_t BrowserImpl::GetFrameCount() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return main_frame_ ? 1 + subframes_.size() : 0;
}

void BrowserImpl::GetFrameIdentifiers(std::vector<int64>& identifiers) {
  identifiers = frame_ids();
}

void BrowserImpl::GetFrameNames(std::vector<CefString>& names) {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  names.clear();
  if (!main_frame_)
    return;
  names.push_back(main_frame_->GetName());
  for (const CefRefPtr<FrameImpl>& frame : subframes_)
    names.push_back(frame->GetName());
}

// --- CefBrowserHost: identity, window, zoom ---------------------------------------------

CefRefPtr<CefBrowser> BrowserImpl::GetBrowser() {
  return this;
}

CefWindowHandle BrowserImpl::GetWindowHandle() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return HandleFrom(closed_ ? 0 : window_);
}

CefWindowHandle BrowserImpl::GetOpenerWindowHandle() {
  return HandleFrom(opener_window_);
}

bool BrowserImpl::HasView() {
  return false;
}

CefRefPtr<CefClient> BrowserImpl::GetClient() {
  return client();
}

CefRefPtr<CefRequestContext> BrowserImpl::GetRequestContext() {
  return nullptr;
}

double BrowserImpl::GetZoomLevel() {
  return zoom_level();
}

void BrowserImpl::SetZoomLevel(double zoomLevel) {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  if (!closed_)
    zoom_level_ = zoomLevel;
}

bool BrowserImpl::IsWindowRenderingDisabled() {
  return window_info_.windowless_rendering_enabled != 0;
}

void BrowserImpl::WasResized() {
  // The engine lays the view out again and asks for its size.
  if (IsWindowRenderingDisabled() && !closed()) {
    CefRefPtr<BrowserImpl> self = this;
    PostUi([self]() { self->LayOutView(true); });
  }
}

int BrowserImpl::GetWindowlessFrameRate() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return frame_rate_;
}

void BrowserImpl::SetWindowlessFrameRate(int frame_rate) {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  if (!closed_)
    frame_rate_ = frame_rate < 1 ? 1 : (frame_rate > 60 ? 60 : frame_rate);
}

}  // namespace cefsim
