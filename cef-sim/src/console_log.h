#ifndef CEFSIM_SRC_CONSOLE_LOG_H_
#define CEFSIM_SRC_CONSOLE_LOG_H_

#include <vector>

#include "include/cef_base.h"

namespace cefsim {

// The engine's own log of page console messages that no client claimed: written to
// standard error as the engine does, and kept for the driver. Any thread.
void WriteConsoleMessageToLog(const CefString& message, const CefString& source, int line);
std::vector<CefString> ConsoleMessagesLogged();

}  // namespace cefsim

#endif  // CEFSIM_SRC_CONSOLE_LOG_H_
