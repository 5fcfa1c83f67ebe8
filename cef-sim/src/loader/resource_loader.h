#ifndef CEFSIM_SRC_LOADER_RESOURCE_LOADER_H_
#define CEFSIM_SRC_LOADER_RESOURCE_LOADER_H_

#include <functional>

#include "cefsim/resources.h"
#include "include/cef_frame.h"

namespace cefsim {

// One request for the network side, from a page or a navigation.
struct LoadOrder {
  int browser_id = 0;
  // The frame the request is made for; null: the browser's main frame, as it is when the
  // loader thread starts.
  CefRefPtr<CefFrame> frame;
  CefString url;
  cef_resource_type_t type = RT_SUB_RESOURCE;
  // A page's or navigation's own request, listed by driver::PageRequests.
  bool for_page = false;
  // Asked on the loader thread before the headers and before each Read: true once nobody
  // wants the response any more (the page went, the navigation was overtaken). The handler
  // is then cancelled.
  std::function<bool()> abandoned;
  // Runs on the loader thread once the handler has been released, with what arrived.
  std::function<void(const driver::ResourceReceived&)> finished;
};

// True when a registered factory's scheme and domain match the address, so that a request
// for it goes to the factory first.
bool FactoryServes(const CefString& url);

// Starts the request on one of the engine's loading threads; its id is what
// driver::AwaitResource takes.
int StartLoad(LoadOrder order);

}  // namespace cefsim

#endif  // CEFSIM_SRC_LOADER_RESOURCE_LOADER_H_
