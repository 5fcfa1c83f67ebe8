// Navigations of a browser's frames, with the engine's events in the engine's order:
//   OnBeforeBrowse(main)                      true cancels, nothing else follows
//   OnLoadingStateChange(true)
//   OnAddressChange, OnLoadStart(main)        the document commits
//   per subframe: OnBeforeBrowse, OnLoadStart, OnLoadEnd
//   OnTitleChange                             when the document has a title
//   OnLoadEnd(main)
//   OnLoadingStateChange(false)
// A navigation that fails before it commits gives OnLoadError between the two loading
// state changes instead. A navigation begins in the loop iteration after the call that
// asked for it; held loads (driver) pause after OnLoadStart(main).
//
// Threads: everything here runs on the UI thread. After every client callback the
// navigation checks that it is still the browser's current one, since the callback may
// have stopped it, started another or closed the browser.

#include <utility>

#include "src/browser/browser_impl.h"
#include "src/browser/browser_registry.h"
#include "src/browser/navigation.h"
#include "src/download/response_download.h"
#include "src/page/page_requests.h"
#include "src/request_impl.h"

namespace cefsim {
namespace {

const char kAbortedText[] = "net::ERR_ABORTED";
const char kNameNotResolvedText[] = "net::ERR_NAME_NOT_RESOLVED";

}  // namespace

void BrowserImpl::StartNavigation(const CefString& url,
                                  bool from_string,
                                  cef_transition_type_t transition) {
  std::shared_ptr<Navigation> navigation = std::make_shared<Navigation>();
  navigation->kind = from_string ? Navigation::Kind::kString : Navigation::Kind::kLoad;
  navigation->url = url;
  navigation->transition = transition;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_)
      return;
    navigation->sequence = ++requested_navigations_;
  }
  CefRefPtr<BrowserImpl> self = this;
  PostTask([self, navigation]() { self->BeginNavigation(navigation); });
}

void BrowserImpl::StartHistoryNavigation(int offset) {
  std::shared_ptr<Navigation> navigation = std::make_shared<Navigation>();
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    int target = history_index_ + offset;
    if (closed_ || history_index_ < 0 || target < 0 ||
        target >= static_cast<int>(history_.size()))
      return;
    navigation->kind = Navigation::Kind::kHistory;
    navigation->url = history_[target];
    navigation->history_index = target;
    navigation->transition =
        static_cast<cef_transition_type_t>(TT_EXPLICIT | TT_FORWARD_BACK_FLAG);
    navigation->sequence = ++requested_navigations_;
  }
  CefRefPtr<BrowserImpl> self = this;
  PostTask([self, navigation]() { self->BeginNavigation(navigation); });
}

void BrowserImpl::Reload() {
  std::shared_ptr<Navigation> navigation = std::make_shared<Navigation>();
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    // Nothing to reload before the first document.
    if (closed_ || history_index_ < 0)
      return;
    navigation->kind = Navigation::Kind::kReload;
    navigation->url = history_[history_index_];
    navigation->history_index = history_index_;
    navigation->transition = TT_RELOAD;
    navigation->sequence = ++requested_navigations_;
  }
  CefRefPtr<BrowserImpl> self = this;
  PostTask([self, navigation]() { self->BeginNavigation(navigation); });
}

void BrowserImpl::ReloadIgnoreCache() {
  // The stand-in has no cache to bypass.
  Reload();
}

void BrowserImpl::StopLoad() {
  CefString url;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_)
      return;
    // Navigations asked for but not begun are dropped too.
    stopped_below_ = requested_navigations_ + 1;
    if (!navigation_)
      return;
    navigation_->aborted = true;
    url = navigation_->url;
    navigation_ = nullptr;
  }
  CefRefPtr<BrowserImpl> self = this;
  PostTask([self, url]() { self->FinishStop(url); });
}

void BrowserImpl::FinishStop(CefString url) {
  CefRefPtr<FrameImpl> main_frame;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_)
      return;
    main_frame = main_frame_;
  }
  if (CefRefPtr<CefLoadHandler> handler = Load())
    handler->OnLoadError(this, main_frame, ERR_ABORTED, kAbortedText, url);
  bool idle;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    idle = !closed_ && !navigation_ && loading_;
  }
  if (idle)
    LoadingStateChanged(false);
}

bool BrowserImpl::StillCurrent(const std::shared_ptr<Navigation>& navigation) const {
  std::lock_guard<std::mutex> lock(BrowsersMutex());
  return !closed_ && navigation_ == navigation && !navigation->aborted;
}

void BrowserImpl::LoadingStateChanged(bool loading) {
  bool can_go_back;
  bool can_go_forward;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    loading_ = loading;
    can_go_back = history_index_ > 0;
    can_go_forward = history_index_ + 1 < static_cast<int>(history_.size());
  }
  if (CefRefPtr<CefLoadHandler> handler = Load())
    handler->OnLoadingStateChange(this, loading, can_go_back, can_go_forward);
}

void BrowserImpl::BeginNavigation(std::shared_ptr<Navigation> navigation) {
  CefRefPtr<FrameImpl> main_frame;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    // Closed, stopped, or overtaken by a later request before it began.
    if (closed_ || navigation->sequence < stopped_below_ ||
        navigation->sequence != requested_navigations_)
      return;
    main_frame = main_frame_;
  }
  if (CefRefPtr<CefRequestHandler> handler = Requests()) {
    CefRefPtr<RequestImpl> request =
        RequestImpl::ForNavigation(navigation->url, RT_MAIN_FRAME, navigation->transition);
    if (handler->OnBeforeBrowse(this, main_frame, request.get(), false, false))
      return;
  }
  bool was_loading;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_ || navigation->sequence < stopped_below_ ||
        navigation->sequence != requested_navigations_)
      return;
    // A navigation still in progress is overtaken and ends without events of its own.
    if (navigation_)
      navigation_->aborted = true;
    navigation_ = navigation;
    was_loading = loading_;
  }
  if (!was_loading) {
    LoadingStateChanged(true);
    if (!StillCurrent(navigation))
      return;
  }

  // A factory's address goes on in CommitNavigation once fetched (navigation_fetch.cc).
  if (navigation->kind != Navigation::Kind::kString && FetchThroughFactory(navigation))
    return;
  Resource served;
  if (navigation->kind != Navigation::Kind::kString)
    served = Web().Lookup(navigation->url);
  CommitNavigation(navigation, served);
}

void BrowserImpl::EndBeforeCommit(const std::shared_ptr<Navigation>& navigation,
                                  cef_errorcode_t code, const CefString& text) {
  CefRefPtr<FrameImpl> main_frame;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    navigation_ = nullptr;
    main_frame = main_frame_;
  }
  if (CefRefPtr<CefLoadHandler> handler = Load())
    handler->OnLoadError(this, main_frame, code, text, navigation->url);
  bool idle;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    idle = !closed_ && !navigation_;
  }
  if (idle)
    LoadingStateChanged(false);
}

void BrowserImpl::CommitNavigation(std::shared_ptr<Navigation> navigation, Resource served) {
  CefRefPtr<FrameImpl> main_frame;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    main_frame = main_frame_;
  }
  if (served.unreachable) {
    EndBeforeCommit(navigation, ERR_NAME_NOT_RESOLVED, kNameNotResolvedText);
    return;
  }
  // Downloads: navigation_download.cc.
  if (ServedAsDownload(served)) {
    EndAsDownload(navigation, served);
    return;
  }

  ReplaceGoneRenderer();
  // The document commits: history, the main frame's page, and new subframes.
  std::shared_ptr<Page> page = std::make_shared<Page>(navigation->url, served);
  std::vector<CefRefPtr<FrameImpl>> gone;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (navigation->kind == Navigation::Kind::kHistory ||
        navigation->kind == Navigation::Kind::kReload) {
      history_index_ = navigation->history_index;
      history_[history_index_] = navigation->url;
    } else {
      history_.resize(history_index_ + 1);
      history_.push_back(navigation->url);
      history_index_ = static_cast<int>(history_.size()) - 1;
    }
    has_document_ = true;
    main_frame_->Commit(navigation->url, page);
    gone.swap(subframes_);
    for (const CefRefPtr<FrameImpl>& frame : gone)
      frame->Detach();
    // The served documents' iframes carry no name attribute.
    for (size_t i = 0; i < served.subframe_urls.size(); ++i) {
      subframes_.push_back(new FrameImpl(this, Browsers().NextFrameIdentifier(identifier_),
                                         main_frame_, CefString()));
      if (renderer_)
        known_frames_.push_back(subframes_.back());
    }
  }
  for (const CefRefPtr<FrameImpl>& frame : gone)
    RendererDetach(frame->GetIdentifier());
  gone.clear();
  RendererCommit(main_frame_id_, 0, navigation->url, served.title);
  RequestSubresources(identifier_, main_frame.get(), page);

  if (CefRefPtr<CefDisplayHandler> handler = Display()) {
    handler->OnAddressChange(this, main_frame, navigation->url);
    if (!StillCurrent(navigation))
      return;
  }
  if (CefRefPtr<CefLoadHandler> handler = Load()) {
    handler->OnLoadStart(this, main_frame, navigation->transition);
    if (!StillCurrent(navigation))
      return;
  }

  CefRefPtr<BrowserImpl> self = this;
  if (Web().Hold([self, navigation]() { self->ContinueNavigation(navigation); }))
    return;
  ContinueNavigation(navigation);
}

void BrowserImpl::ContinueNavigation(std::shared_ptr<Navigation> navigation) {
  if (!StillCurrent(navigation))
    return;
  std::shared_ptr<Page> page;
  std::vector<CefRefPtr<FrameImpl>> subframes;
  CefRefPtr<FrameImpl> main_frame;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    main_frame = main_frame_;
    page = main_frame_->page();
    subframes = subframes_;
  }
  std::vector<CefString> subframe_urls = page->subframe_urls();
  for (size_t i = 0; i < subframes.size() && i < subframe_urls.size(); ++i) {
    NavigateSubframe(subframes[i], subframe_urls[i], false);
    if (!StillCurrent(navigation))
      return;
  }

  CefString title = page->title();
  if (!title.empty()) {
    if (CefRefPtr<CefDisplayHandler> handler = Display()) {
      handler->OnTitleChange(this, title);
      if (!StillCurrent(navigation))
        return;
    }
  }
  if (CefRefPtr<CefLoadHandler> handler = Load()) {
    handler->OnLoadEnd(this, main_frame, page->status());
    if (!StillCurrent(navigation))
      return;
  }
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    navigation_ = nullptr;
  }
  LoadingStateChanged(false);
}

void BrowserImpl::NavigateSubframe(CefRefPtr<FrameImpl> frame,
                                   const CefString& url,
                                   bool user_gesture) {
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_ || !frame->attached())
      return;
  }
  // The first load of a subframe comes with its parent's document; a later one is the
  // frame's own navigation.
  cef_transition_type_t transition;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    transition = frame->page() ? TT_MANUAL_SUBFRAME : TT_AUTO_SUBFRAME;
  }
  if (CefRefPtr<CefRequestHandler> handler = Requests()) {
    CefRefPtr<RequestImpl> request = RequestImpl::ForNavigation(url, RT_SUB_FRAME, transition);
    if (handler->OnBeforeBrowse(this, frame, request.get(), user_gesture, false))
      return;
  }
  Resource served = Web().Lookup(url);
  // Downloads: navigation_download.cc.
  if (ServedAsDownload(served)) {
    EndSubframeAsDownload(frame, url, served);
    return;
  }
  std::shared_ptr<Page> page =
      served.unreachable ? nullptr : std::make_shared<Page>(url, served);
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_ || !frame->attached())
      return;
    if (page)
      frame->Commit(url, page);
  }
  if (page) {
    RendererCommit(frame->GetIdentifier(), main_frame_id_, url, served.title);
    RequestSubresources(identifier_, frame.get(), page);
  }
  CefRefPtr<CefLoadHandler> handler = Load();
  if (!handler)
    return;
  if (served.unreachable) {
    handler->OnLoadError(this, frame, ERR_NAME_NOT_RESOLVED, kNameNotResolvedText, url);
    return;
  }
  handler->OnLoadStart(this, frame, transition);
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_ || !frame->attached())
      return;
  }
  handler->OnLoadEnd(this, frame, served.status);
}

}  // namespace cefsim
