#include "browser/browser_tables.h"

#include <set>

namespace brivon {
namespace {

std::set<int64_t>& Closing() {
  static std::set<int64_t> closing;
  return closing;
}

}  // namespace

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

void MarkClosing(int64_t id) {
  if (Browsers().count(id) != 0) Closing().insert(id);
}

bool IsClosing(int64_t id) { return Closing().count(id) != 0; }

void ForgetBrowser(int64_t id) {
  Closing().erase(id);
  ManagedBrowsers().erase(id);
  Browsers().erase(id);
}

void ClearBrowserTables() {
  Closing().clear();
  ManagedBrowsers().clear();
  Browsers().clear();
}

}  // namespace brivon
