#ifndef CEFSIM_SRC_RENDERER_SCRIPT_VALUES_H_
#define CEFSIM_SRC_RENDERER_SCRIPT_VALUES_H_

#include "cefsim/script.h"
#include "include/cef_v8.h"

namespace cefsim {

// The driver's values as the page's script values and back. Inside an entered context.
CefRefPtr<CefV8Value> ToV8(const driver::JsValue& value);
driver::JsValue FromV8(CefRefPtr<CefV8Value> value);

}  // namespace cefsim

#endif  // CEFSIM_SRC_RENDERER_SCRIPT_VALUES_H_
