#ifndef CEFSIM_SRC_BROWSER_BROWSER_REGISTRY_H_
#define CEFSIM_SRC_BROWSER_BROWSER_REGISTRY_H_

#include <mutex>
#include <vector>

#include "src/browser/browser_impl.h"

namespace cefsim {

// Guards every browser's and frame's mutable state and the registry. Never held while
// client code runs.
std::mutex& BrowsersMutex();

// Every browser the process made, closed ones included (they answer the driver), in
// creation order. Identifiers start at 1 and are never reused.
class BrowserRegistry {
 public:
  // With BrowsersMutex() held.
  int NextIdentifier() { return ++last_identifier_; }
  int64 NextFrameIdentifier(int browser_id);
  void Add(CefRefPtr<BrowserImpl> browser) { browsers_.push_back(browser); }
  CefRefPtr<BrowserImpl> Find(int identifier) const;
  const std::vector<CefRefPtr<BrowserImpl>>& all() const { return browsers_; }

  int open_at_shutdown = 0;

 private:
  int last_identifier_ = 0;
  int last_routing_id_ = 0;
  std::vector<CefRefPtr<BrowserImpl>> browsers_;
};

// With BrowsersMutex() held.
BrowserRegistry& Browsers();

// The browser under that identifier, closed or not; null when there is none. Takes the lock.
CefRefPtr<BrowserImpl> FindBrowser(int identifier);

// Creates a browser on the UI thread and announces it with OnAfterCreated; navigates to
// url (when not empty) from the next loop iteration. Null when the engine is not
// running or the context is not yet initialised.
CefRefPtr<BrowserImpl> CreateBrowserNow(const BrowserParams& params, const CefString& url);

// Browsers not yet closed that hold a client.
size_t HeldBrowserClients();

// CefShutdown with browsers still open: counts and drops them.
void AbandonOpenBrowsers();

}  // namespace cefsim

#endif  // CEFSIM_SRC_BROWSER_BROWSER_REGISTRY_H_
