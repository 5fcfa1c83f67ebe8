#include "src/page/page_requests.h"

#include "src/loader/resource_loader.h"

namespace cefsim {

void RequestSubresources(int browser_id, CefRefPtr<CefFrame> frame, std::shared_ptr<Page> page) {
  for (const driver::Subresource& wanted : page->subresources()) {
    // The stand-in's own network serves no subresources, so only a factory's are requested.
    if (!FactoryServes(wanted.url))
      continue;
    LoadOrder order;
    order.browser_id = browser_id;
    order.frame = frame;
    order.url = wanted.url;
    order.type = wanted.type;
    order.for_page = true;
    order.abandoned = [page] { return page->gone(); };
    StartLoad(order);
  }
}

}  // namespace cefsim
