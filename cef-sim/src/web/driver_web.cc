// The driver's levers on the network.

#include "cefsim/web.h"

#include <functional>
#include <utility>

#include "src/engine.h"
#include "src/web/web_registry.h"

namespace cefsim {
namespace {

// Held navigations go on in later loop iterations, never inside the driver's call.
void Resume(std::vector<std::function<void()>> held) {
  for (std::function<void()>& resume : held)
    UiQueue().Post(std::move(resume), Clock::duration::zero());
}

}  // namespace

namespace driver {

void ServePage(const CefString& url,
               const CefString& title,
               const std::vector<CefString>& subframe_urls,
               int status,
               const std::vector<Subresource>& subresources) {
  Resource resource;
  resource.subresources = subresources;
  resource.title = title;
  resource.subframe_urls = subframe_urls;
  resource.status = status;
  Web().Serve(url, resource);
}

void ServeResponse(const CefString& url,
                   const CefString& mime_type,
                   const CefString& content_disposition,
                   int64_t content_length) {
  Resource resource;
  resource.mime_type = mime_type;
  resource.content_disposition = content_disposition;
  resource.content_length = content_length;
  Web().Serve(url, resource);
}

void UnreachableHost(const CefString& host) {
  Web().AddUnreachableHost(host.ToString());
}

void HoldLoads(bool hold) {
  Web().SetHolding(hold);
}

void ReleaseLoads() {
  Resume(Web().Release());
}

void ResetWeb() {
  Resume(Web().Reset());
}

}  // namespace driver
}  // namespace cefsim
