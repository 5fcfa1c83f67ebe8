#ifndef CEFSIM_SRC_ENGINE_H_
#define CEFSIM_SRC_ENGINE_H_

#include <mutex>
#include <thread>
#include <vector>

#include "include/cef_app.h"
#include "src/command_line_impl.h"
#include "src/ui_task_queue.h"

namespace cefsim {

struct CustomSchemeRecord {
  CefString name;
  int options;
};

struct SchemeRegistration {
  CefString scheme;
  CefString domain;
  CefRefPtr<CefSchemeHandlerFactory> factory;
};

// The browser process's engine state. Every member is guarded by EngineMutex(); client
// code is never called with it held, since client code calls back into the engine.
struct EngineState {
  int initialize_calls = 0;
  bool last_initialize_succeeded = false;
  // Set by the one successful CefInitialize; the engine never starts twice in a process.
  bool initialized = false;
  bool shut_down = false;
  bool context_initialized = false;
  // Browsers may be created from the moment OnContextInitialized is called.
  bool context_valid = false;
  bool high_dpi_support = false;
  int execute_process_calls = 0;
  int execute_process_result = 0;
  bool quit_requested = false;

  std::thread::id ui_thread;
  CefSettings settings;
  CefRefPtr<CefApp> app;
  CefRefPtr<CommandLineImpl> global_command_line;

  std::vector<SwitchEntry> appended_switches;
  std::vector<CustomSchemeRecord> custom_schemes;
  std::vector<SchemeRegistration> factories;

  bool running() const { return initialized && !shut_down; }
  bool on_ui_thread() const { return initialized && std::this_thread::get_id() == ui_thread; }
};

std::mutex& EngineMutex();
// Only with EngineMutex() held.
EngineState& State();
UiTaskQueue& UiQueue();

}  // namespace cefsim

#endif  // CEFSIM_SRC_ENGINE_H_
