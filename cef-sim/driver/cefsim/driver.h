#ifndef CEFSIM_DRIVER_CEFSIM_DRIVER_H_
#define CEFSIM_DRIVER_CEFSIM_DRIVER_H_

// The test side of the stand-in engine: what the client did to the engine, read back,
// and the few levers that play the world. The driver observes; it never decides what a
// client should have answered. Every function may be called from any thread.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "include/cef_base.h"
// The browser side of the driver, so that one include gives every lever.
#include "cefsim/browsers.h"
#include "cefsim/native_windows.h"
#include "cefsim/downloads.h"
#include "cefsim/menus.h"
#include "cefsim/page.h"
#include "cefsim/script.h"
#include "cefsim/view.h"
#include "cefsim/web.h"

namespace cefsim {
namespace driver {

struct Switch {
  CefString name;  // as the engine keys it: lower-cased, without its prefix
  bool has_value;  // appended with AppendSwitchWithValue, even with an empty value
  CefString value;
};

struct CustomScheme {
  CefString name;
  int options;
};

struct SchemeHandlerFactory {
  CefString scheme;  // lower-cased, as the engine keeps it
  CefString domain;
  // Tells the factory objects apart (their address); never dereference it.
  uintptr_t identity;
};

// How many times CefInitialize was called, and whether the last call succeeded.
int InitializeCalls();
bool LastInitializeSucceeded();
// A copy of the settings of the successful CefInitialize; zero-filled before it.
CefSettings InitSettings();

bool HighDpiSupportEnabled();
int ExecuteProcessCalls();
// What the last CefExecuteProcess returned; 0 if it was never called.
int ExecuteProcessResult();

// The switches the application appended in OnBeforeCommandLineProcessing, in order.
std::vector<Switch> AppendedSwitches();
// The custom schemes registered in OnRegisterCustomSchemes, in order.
std::vector<CustomScheme> CustomSchemes();
// The scheme handler factories now registered, in order of registration.
std::vector<SchemeHandlerFactory> SchemeHandlerFactories();

// True once the browser-process handler's OnContextInitialized has returned (or the
// engine found no handler to call).
bool ContextInitialized();
bool IsShutDown();
// Tasks queued for the UI thread, the engine's own included.
size_t PendingUiTasks();
// Client objects the engine holds references to: the application, the registered
// factories, the queued client tasks and the clients of browsers not yet closed.
size_t HeldClientObjects();

// Moves the engine's monotonic clock forward, so that delayed tasks fall due.
void AdvanceClockMs(int64_t ms);

}  // namespace driver
}  // namespace cefsim

#endif  // CEFSIM_DRIVER_CEFSIM_DRIVER_H_
