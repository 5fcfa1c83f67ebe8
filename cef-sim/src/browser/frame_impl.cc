// Threads: client calls on the UI thread; the engine's own on the UI thread with
// BrowsersMutex() held where the header says so.

#include "src/browser/frame_impl.h"

#include "src/browser/browser_impl.h"
#include "src/browser/browser_registry.h"

namespace cefsim {

FrameImpl::FrameImpl(CefRefPtr<BrowserImpl> browser,
                     int64 identifier,
                     CefRefPtr<FrameImpl> parent,
                     const CefString& name)
    : browser_(browser), identifier_(identifier), parent_(parent), name_(name) {}

void FrameImpl::Detach() {
  attached_ = false;
  // The document goes with its frame, and its requests in flight with it.
  if (page_)
    page_->Leave();
}

void FrameImpl::Commit(const CefString& url, std::shared_ptr<Page> page) {
  if (page_ && page_ != page)
    page_->Leave();
  url_ = url;
  page_ = page;
}

bool FrameImpl::IsValid() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return attached_;
}

void FrameImpl::GetSource(CefRefPtr<CefStringVisitor>) {}

void FrameImpl::GetText(CefRefPtr<CefStringVisitor>) {}

void FrameImpl::LoadRequest(CefRefPtr<CefRequest> request) {
  if (request)
    LoadURL(request->GetURL());
}

void FrameImpl::LoadURL(const CefString& url) {
  if (!IsValid())
    return;
  if (!parent_) {
    browser_->StartNavigation(url, false, TT_EXPLICIT);
    return;
  }
  CefRefPtr<FrameImpl> self = this;
  CefRefPtr<BrowserImpl> browser = browser_;
  browser_->PostTask([browser, self, url]() { browser->NavigateSubframe(self, url, false); });
}

void FrameImpl::LoadString(const CefString& string_val, const CefString& url) {
  (void)string_val;  // the stand-in shows no content; the document is the address's
  if (IsValid() && !parent_)
    browser_->StartNavigation(url, true, TT_EXPLICIT);
}

void FrameImpl::ExecuteJavaScript(const CefString& code,
                                  const CefString& script_url,
                                  int start_line) {
  std::shared_ptr<Page> page;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (!attached_)
      return;
    page = page_;
  }
  // Sent now, on the caller's thread, so that it follows on the channel the commits
  // made before the call and runs in the document that was current when it was made.
  if (browser_->ExecuteInRenderer(identifier_, code, script_url, start_line))
    return;
  browser_->RecordScript(identifier_, code, script_url, start_line,
                         page ? page->url() : CefString());
  if (page)
    page->RunScript(code, script_url, start_line);
}

bool FrameImpl::IsMain() {
  return !parent_;
}

bool FrameImpl::IsFocused() {
  return !parent_;
}

CefString FrameImpl::GetName() {
  return name_;
}

int64 FrameImpl::GetIdentifier() {
  return identifier_;
}

CefRefPtr<CefFrame> FrameImpl::GetParent() {
  return parent_.get();
}

CefString FrameImpl::GetURL() {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return url_;
}

CefRefPtr<CefBrowser> FrameImpl::GetBrowser() {
  return browser_.get();
}

CefRefPtr<CefV8Context> FrameImpl::GetV8Context() {
  // Script contexts live in the renderer.
  return nullptr;
}

void FrameImpl::VisitDOM(CefRefPtr<CefDOMVisitor>) {}

CefRefPtr<CefURLRequest> FrameImpl::CreateURLRequest(CefRefPtr<CefRequest>,
                                                     CefRefPtr<CefURLRequestClient>) {
  return nullptr;
}

void FrameImpl::SendProcessMessage(CefProcessId target_process,
                                   CefRefPtr<CefProcessMessage> message) {
  // The browser process sends only to renderers; a frame that has gone sends nothing.
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (!attached_)
      return;
  }
  if (target_process == PID_RENDERER)
    browser_->SendToRenderer(identifier_, message);
}

}  // namespace cefsim
