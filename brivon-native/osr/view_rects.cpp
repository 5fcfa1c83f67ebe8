#include "osr/view_rects.h"

#include <map>

namespace brivon {
namespace {

using RectTable = std::map<int64_t, CefRect>;

RectTable& Table() {
  static RectTable table;
  return table;
}

RectTable& PopupTable() {
  static RectTable table;
  return table;
}

CefRect Lookup(const RectTable& table, int64_t browser_id) {
  const auto found = table.find(browser_id);
  return found == table.end() ? CefRect() : found->second;
}

}  // namespace

CefRect ViewRect(int64_t browser_id) {
  // Asking must not make an entry: the engine may still lay out a browser whose entry went.
  return Lookup(Table(), browser_id);
}
void SetViewRect(int64_t browser_id, const CefRect& rect) { Table()[browser_id] = rect; }
bool HasViewRect(int64_t browser_id) { return Table().count(browser_id) != 0; }
void ForgetViewRect(int64_t browser_id) { Table().erase(browser_id); }
void ClearViewRects() { Table().clear(); }

CefRect PopupRect(int64_t browser_id) { return Lookup(PopupTable(), browser_id); }
void SetPopupRect(int64_t browser_id, const CefRect& rect) { PopupTable()[browser_id] = rect; }
void ForgetPopupRect(int64_t browser_id) { PopupTable().erase(browser_id); }
void ClearPopupRects() { PopupTable().clear(); }

}  // namespace brivon
