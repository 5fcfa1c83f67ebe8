// The view rectangle the engine lays each browser out in. Pumping thread only.
#pragma once

#include <cstdint>

#include "engine/prelude.h"
#include "include/internal/cef_types_wrappers.h"

namespace brivon {

// A browser without an entry gets an all-zero one.
CefRect ViewRect(int64_t browser_id);
void SetViewRect(int64_t browser_id, const CefRect& rect);
bool HasViewRect(int64_t browser_id);
void ForgetViewRect(int64_t browser_id);
void ClearViewRects();

}  // namespace brivon
