// The view rectangle the engine lays each browser out in, and where its popup widget sits in
// the view as the engine last reported it. Pumping thread only.
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

// A browser whose popup was never sized gets an all-zero rectangle.
CefRect PopupRect(int64_t browser_id);
void SetPopupRect(int64_t browser_id, const CefRect& rect);
void ForgetPopupRect(int64_t browser_id);
void ClearPopupRects();

}  // namespace brivon
