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

void ClearBrowserTables() {
  ManagedBrowsers().clear();
  Browsers().clear();
}

}  // namespace brivon
