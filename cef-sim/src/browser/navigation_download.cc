// A navigation whose response the engine downloads. The engine hands the response to its
// download manager and cancels the navigation, so it ends as one stopped before it
// commits: OnLoadError with ERR_ABORTED (for a main frame between the two loading-state
// changes), and no address change, load start or load end. Nothing of the document that
// was showing in the frame changes: not its address, its document, its history or its
// renderer. The download itself reaches the client in a later loop iteration
// (downloads.cc).

#include "src/browser/browser_impl.h"
#include "src/browser/browser_registry.h"
#include "src/browser/navigation.h"
#include "src/download/response_download.h"

namespace cefsim {

void BrowserImpl::EndAsDownload(std::shared_ptr<Navigation> navigation,
                                const Resource& served) {
  StartResponseDownload(this, navigation->url, served);
  EndBeforeCommit(navigation, ERR_ABORTED, "net::ERR_ABORTED");
}

void BrowserImpl::EndSubframeAsDownload(CefRefPtr<FrameImpl> frame,
                                        const CefString& url,
                                        const Resource& served) {
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    if (closed_ || !frame->attached())
      return;
  }
  StartResponseDownload(this, url, served);
  if (CefRefPtr<CefLoadHandler> handler = Load())
    handler->OnLoadError(this, frame, ERR_ABORTED, "net::ERR_ABORTED", url);
}

}  // namespace cefsim
