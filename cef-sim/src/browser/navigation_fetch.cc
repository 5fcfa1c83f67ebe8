// A main-frame navigation to an address that a scheme handler factory serves: the document
// is fetched through the factory on a loader thread (Create, Open, GetResponseHeaders, Read,
// as for any request) between OnLoadingStateChange(true) and the commit, and the navigation
// goes on in a later loop iteration once the whole response has arrived. The stand-in
// commits only then, where the engine commits at the headers; what the events show is the
// same except for a body that fails part-way, which here fails the navigation before it
// commits. A response of a type the engine does not render is downloaded instead of shown
// (navigation_download.cc). A navigation that is overtaken, stopped or closed meanwhile
// cancels the fetch.

#include <string>

#include "src/browser/browser_impl.h"
#include "src/browser/browser_registry.h"
#include "src/browser/navigation.h"
#include "src/loader/resource_loader.h"
#include "src/page/document_scan.h"

namespace cefsim {
namespace {

// The engine's names for the errors a fetch ends with.
std::string ErrorText(int code) {
  switch (code) {
    case ERR_FAILED:
      return "net::ERR_FAILED";
    case ERR_ABORTED:
      return "net::ERR_ABORTED";
    case ERR_INVALID_ARGUMENT:
      return "net::ERR_INVALID_ARGUMENT";
    case ERR_FILE_NOT_FOUND:
      return "net::ERR_FILE_NOT_FOUND";
    case ERR_TIMED_OUT:
      return "net::ERR_TIMED_OUT";
    default:
      return "net::<unknown>";
  }
}

}  // namespace

bool BrowserImpl::FetchThroughFactory(std::shared_ptr<Navigation> navigation) {
  if (!FactoryServes(navigation->url))
    return false;
  CefRefPtr<FrameImpl> main_frame;
  {
    std::lock_guard<std::mutex> lock(BrowsersMutex());
    main_frame = main_frame_;
  }
  CefRefPtr<BrowserImpl> self = this;
  LoadOrder order;
  order.browser_id = identifier_;
  order.frame = main_frame.get();
  order.url = navigation->url;
  order.type = RT_MAIN_FRAME;
  order.for_page = true;
  order.abandoned = [self, navigation] { return !self->StillCurrent(navigation); };
  order.finished = [self, navigation](const driver::ResourceReceived& received) {
    self->PostTask([self, navigation, received] { self->FetchArrived(navigation, received); });
  };
  StartLoad(order);
  return true;
}

void BrowserImpl::FetchArrived(std::shared_ptr<Navigation> navigation,
                               const driver::ResourceReceived& received) {
  if (!StillCurrent(navigation))
    return;
  if (!received.offered) {
    // The factory let the engine go on without it.
    CommitNavigation(navigation, Web().Lookup(navigation->url));
    return;
  }
  if (received.error != 0) {
    EndBeforeCommit(navigation, static_cast<cef_errorcode_t>(received.error),
                    ErrorText(received.error));
    return;
  }
  Resource served = ScanDocument(received.mime_type, received.body, navigation->url);
  served.status = received.status;
  // The headers decide, as for any response, whether the engine shows it or downloads it.
  served.mime_type = received.mime_type;
  served.content_length = received.length;
  CommitNavigation(navigation, served);
}

}  // namespace cefsim
