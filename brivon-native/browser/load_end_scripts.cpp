#include "browser/load_end_scripts.h"

#include <map>

namespace brivon {
namespace {

std::map<int64_t, CefString>& Table() {
  static std::map<int64_t, CefString> table;
  return table;
}

}  // namespace

void SetLoadEndScript(int64_t browser_id, const CefString& script) {
  Table()[browser_id] = script;
}

CefString LoadEndScript(int64_t browser_id) {
  const auto found = Table().find(browser_id);
  return found == Table().end() ? CefString() : found->second;
}

bool HasLoadEndScript(int64_t browser_id) { return Table().count(browser_id) != 0; }
void ForgetLoadEndScript(int64_t browser_id) { Table().erase(browser_id); }
void ClearLoadEndScripts() { Table().clear(); }

}  // namespace brivon
