#ifndef CEFSIM_SRC_WEB_WEB_REGISTRY_H_
#define CEFSIM_SRC_WEB_WEB_REGISTRY_H_

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "cefsim/web.h"
#include "include/cef_base.h"

namespace cefsim {

// What one address answers.
struct Resource {
  bool unreachable = false;
  CefString title;  // empty: the document has no title
  std::vector<CefString> subframe_urls;
  int status = 200;
  std::vector<driver::Subresource> subresources;
  // The response headers that decide whether the engine shows the body or downloads it.
  CefString mime_type;            // empty: a document the engine sniffs and shows
  CefString content_disposition;  // empty: the response has none
  int64_t content_length = -1;    // negative: the response names no length
};

// The stand-in's network, set up by the driver and read by navigations. Any thread.
class WebRegistry {
 public:
  void Serve(const CefString& url, Resource resource);
  void AddUnreachableHost(const std::string& host);
  Resource Lookup(const CefString& url) const;

  // While holding, Hold keeps a navigation's continuation and returns true; Release
  // hands back the continuations kept, for the caller to run later.
  void SetHolding(bool hold);
  bool Hold(std::function<void()> resume);
  std::vector<std::function<void()>> Release();

  // Forgets everything; returns the continuations that were held.
  std::vector<std::function<void()>> Reset();

 private:
  mutable std::mutex mutex_;
  std::map<base::string16, Resource> pages_;
  std::set<std::string> unreachable_hosts_;
  bool holding_ = false;
  std::vector<std::function<void()>> held_;
};

WebRegistry& Web();

// The host of an address, lower-cased, without user information or port; empty when
// the address has no authority.
std::string HostOf(const CefString& url);

}  // namespace cefsim

#endif  // CEFSIM_SRC_WEB_WEB_REGISTRY_H_
