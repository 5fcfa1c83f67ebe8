#ifndef CEFSIM_SRC_RENDERER_SCRIPT_VALUES_H_
#define CEFSIM_SRC_RENDERER_SCRIPT_VALUES_H_

#include <functional>
#include <vector>

#include "cefsim/script.h"
#include "include/cef_v8.h"

namespace cefsim {

// The driver's values as the page's script values and back. Inside an entered context.
CefRefPtr<CefV8Value> ToV8(const driver::JsValue& value);
driver::JsValue FromV8(CefRefPtr<CefV8Value> value);

// Where the calls of the driver's named (recording) functions go: the renderer reports each
// to the browser process. Renderer thread only.
using FunctionCallSink = std::function<void(const CefString& name,
                                            const std::vector<driver::JsValue>& arguments)>;
void SetFunctionCallSink(FunctionCallSink sink);

}  // namespace cefsim

#endif  // CEFSIM_SRC_RENDERER_SCRIPT_VALUES_H_
