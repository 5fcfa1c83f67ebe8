#ifndef CEFSIM_SRC_RENDERER_RENDERER_MAIN_H_
#define CEFSIM_SRC_RENDERER_RENDERER_MAIN_H_

#include <cstdint>

#include "include/cef_app.h"

namespace cefsim {

// The renderer process's main loop, on the thread that called CefExecuteProcess: runs
// what the browser process sends until it ends the renderer (or goes away); returns
// the process's exit code.
int RunRenderer(CefRefPtr<CefApp> app, intptr_t channel);

}  // namespace cefsim

#endif  // CEFSIM_SRC_RENDERER_RENDERER_MAIN_H_
