#include "osr/view_rects.h"

#include <map>

namespace brivon {
namespace {

std::map<int64_t, CefRect>& Table() {
  static std::map<int64_t, CefRect> table;
  return table;
}

}  // namespace

CefRect ViewRect(int64_t browser_id) { return Table()[browser_id]; }
void SetViewRect(int64_t browser_id, const CefRect& rect) { Table()[browser_id] = rect; }
void ClearViewRects() { Table().clear(); }

}  // namespace brivon
