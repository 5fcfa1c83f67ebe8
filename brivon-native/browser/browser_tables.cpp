#include "browser/browser_tables.h"

namespace brivon {

int64_t BrowserId(const CefRefPtr<CefBrowser>& browser) {
  return static_cast<int64_t>(browser->GetIdentifier());
}

BrowserTable& Browsers() {
  static BrowserTable table;
  return table;
}

BrowserTable& ManagedBrowsers() {
  static BrowserTable table;
  return table;
}

CefRefPtr<CefBrowser> FindBrowser(int64_t id) {
  const auto found = Browsers().find(id);
  return found == Browsers().end() ? nullptr : found->second;
}

void StoreBrowser(BrowserTable& table, const CefRefPtr<CefBrowser>& browser) {
  table[BrowserId(browser)] = browser;
}

void ForgetBrowser(int64_t id) {
  ManagedBrowsers().erase(id);
  Browsers().erase(id);
}

void ClearBrowserTables() {
  ManagedBrowsers().clear();
  Browsers().clear();
}

}  // namespace brivon
