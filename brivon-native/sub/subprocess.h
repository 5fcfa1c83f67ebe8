// What brivon-sub does once its platform entry has the engine's main arguments; the entry
// files differ only in how they get those.
#pragma once

#include "engine/prelude.h"
#include "include/cef_app.h"

namespace brivon::sub {

// Runs the child process the engine asked for and returns the engine's exit code for it
// unchanged: -1 at once when the process was not started by the engine.
int RunSubprocess(const CefMainArgs& args);

}  // namespace brivon::sub
