#include "osr/view_rects.h"

#include <map>

namespace brivon {
namespace {

std::map<int64_t, CefRect>& Table() {
  static std::map<int64_t, CefRect> table;
  return table;
}

}  // namespace

CefRect ViewRect(int64_t browser_id) {
  // Asking must not make an entry: the engine may still lay out a browser whose entry went.
  const auto found = Table().find(browser_id);
  return found == Table().end() ? CefRect() : found->second;
}
void SetViewRect(int64_t browser_id, const CefRect& rect) { Table()[browser_id] = rect; }
bool HasViewRect(int64_t browser_id) { return Table().count(browser_id) != 0; }
void ForgetViewRect(int64_t browser_id) { Table().erase(browser_id); }
void ClearViewRects() { Table().clear(); }

}  // namespace brivon
