// The script each browser runs in every frame whose load ends, stored by addCss. Keyed by the
// id Java gave, whether or not it names a browser yet. Pumping thread only.
#pragma once

#include <cstdint>

#include "engine/prelude.h"
#include "include/internal/cef_string.h"

namespace brivon {

void SetLoadEndScript(int64_t browser_id, const CefString& script);
// A copy: running it may reach Java, which may store another script meanwhile.
CefString LoadEndScript(int64_t browser_id);
bool HasLoadEndScript(int64_t browser_id);
void ForgetLoadEndScript(int64_t browser_id);
void ClearLoadEndScripts();

}  // namespace brivon
