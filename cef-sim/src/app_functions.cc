// Start-up, the message loop and shutdown of the browser process.
//
// Threads: CefInitialize makes its calling thread the UI thread; CefDoMessageLoopWork,
// CefRunMessageLoop and CefShutdown do their work only there. CefQuitMessageLoop and
// CefEnableHighDPISupport may come from any thread.

#include <algorithm>
#include <cstdlib>
#include <string>

#include "include/cef_app.h"
#include "src/browser/browser_registry.h"
#include "src/engine.h"
#include "src/ipc/child_process.h"
#include "src/renderer/renderer_main.h"
#include "src/scheme_registrar_impl.h"

#if defined(OS_WIN)
#include <windows.h>
#endif

namespace cefsim {
namespace {

thread_local bool t_in_loop_work = false;

// A renderer started by the stand-in: its channel descriptor, or -1.
intptr_t RendererChannel(const CefMainArgs& args) {
#if defined(OS_WIN)
  (void)args;
  return -1;
#else
  bool renderer = false;
  intptr_t channel = -1;
  const std::string channel_switch = std::string("--") + kChannelSwitch + "=";
  for (int i = 1; args.argv && i < args.argc; ++i) {
    if (!args.argv[i])
      continue;
    std::string word = args.argv[i];
    if (word == "--")
      break;
    if (word == "--type=renderer")
      renderer = true;
    if (word.compare(0, channel_switch.size(), channel_switch) == 0) {
      char* end = nullptr;
      long value = std::strtol(word.c_str() + channel_switch.size(), &end, 10);
      if (end && *end == '\0' && value >= 0)
        channel = value;
    }
  }
  return renderer ? channel : -1;
#endif
}

// Looks for the switch that makes a process one of the engine's child processes.
bool HasProcessType(const CefMainArgs& args) {
#if defined(OS_WIN)
  // The stand-in runs only on Linux; on Windows it reads the process's own command
  // line, enough to tell a child process without running one.
  (void)args;
  const wchar_t* line = GetCommandLineW();
  return line && std::wstring(line).find(L"--type=") != std::wstring::npos;
#else
  for (int i = 1; args.argv && i < args.argc; ++i) {
    if (!args.argv[i])
      continue;
    std::string word = args.argv[i];
    if (word == "--")
      break;
    if (word.compare(0, 7, "--type=") == 0)
      return true;
  }
  return false;
#endif
}

CefRefPtr<CommandLineImpl> CommandLineFrom(const CefMainArgs& args, const CefSettings& settings) {
  CefRefPtr<CommandLineImpl> command_line = new CommandLineImpl();
#if defined(OS_WIN)
  (void)args;
  if (!settings.command_line_args_disabled)
    command_line->InitFromString(CefString(std::wstring(GetCommandLineW())));
#else
  if (settings.command_line_args_disabled) {
    // The engine ignores the process's switches but still knows its program.
    if (args.argv && args.argc > 0)
      command_line->InitFromArgv(1, args.argv);
  } else {
    command_line->InitFromArgv(args.argc, args.argv);
  }
#endif
  return command_line;
}

void DeliverContextInitialized() {
  CefRefPtr<CefApp> app;
  {
    std::lock_guard<std::mutex> lock(EngineMutex());
    if (!State().running())
      return;
    State().context_valid = true;
    app = State().app;
  }
  CefRefPtr<CefBrowserProcessHandler> handler = app ? app->GetBrowserProcessHandler() : nullptr;
  if (handler)
    handler->OnContextInitialized();
  std::lock_guard<std::mutex> lock(EngineMutex());
  State().context_initialized = true;
}

}  // namespace
}  // namespace cefsim

using cefsim::EngineMutex;
using cefsim::State;
using cefsim::UiQueue;

int CefExecuteProcess(const CefMainArgs& args,
                      CefRefPtr<CefApp> application,
                      void* /*windows_sandbox_info*/) {
  int result = -1;
  intptr_t channel = cefsim::RendererChannel(args);
  if (channel >= 0) {
    result = cefsim::RunRenderer(application, channel);
  } else if (cefsim::HasProcessType(args)) {
    // Another kind of child process, or a renderer without a channel (started by hand):
    // it asks for its handler as the engine's renderer does, has nothing to run, and
    // ends with success.
    if (application)
      application->GetRenderProcessHandler();
    result = 0;
  }
  std::lock_guard<std::mutex> lock(EngineMutex());
  ++State().execute_process_calls;
  State().execute_process_result = result;
  return result;
}

bool CefInitialize(const CefMainArgs& args,
                   const CefSettings& settings,
                   CefRefPtr<CefApp> application,
                   void* /*windows_sandbox_info*/) {
  {
    std::lock_guard<std::mutex> lock(EngineMutex());
    cefsim::EngineState& state = State();
    ++state.initialize_calls;
    // Without a UI thread of its own the stand-in cannot run a multi-threaded loop, so
    // it refuses to start rather than run it on the wrong thread.
    if (state.initialized || settings.multi_threaded_message_loop) {
      state.last_initialize_succeeded = false;
      return false;
    }
    state.initialized = true;
    state.last_initialize_succeeded = true;
    state.ui_thread = std::this_thread::get_id();
    state.settings = settings;
    state.app = application;
  }
  UiQueue().Open();

  CefRefPtr<cefsim::CommandLineImpl> command_line = cefsim::CommandLineFrom(args, settings);
  {
    std::lock_guard<std::mutex> lock(EngineMutex());
    State().global_command_line = command_line;
  }
  if (application)
    application->OnBeforeCommandLineProcessing(CefString(), command_line);
  command_line->SetReadOnly();
  std::vector<cefsim::SwitchEntry> switches = command_line->Switches();
  switches.erase(std::remove_if(switches.begin(), switches.end(),
                                [](const cefsim::SwitchEntry& s) { return !s.appended; }),
                 switches.end());

  cefsim::SchemeRegistrarImpl registrar;
  if (application)
    application->OnRegisterCustomSchemes(&registrar);

  {
    std::lock_guard<std::mutex> lock(EngineMutex());
    State().appended_switches = switches;
    State().custom_schemes = registrar.schemes();
  }
  UiQueue().Post(cefsim::DeliverContextInitialized, cefsim::Clock::duration::zero());
  return true;
}

void CefDoMessageLoopWork() {
  {
    std::lock_guard<std::mutex> lock(EngineMutex());
    if (!State().running() || !State().on_ui_thread())
      return;
  }
  // A nested call from inside a task does nothing: tasks never run inside each other.
  if (cefsim::t_in_loop_work)
    return;
  cefsim::t_in_loop_work = true;
  UiQueue().RunDueTasks();
  cefsim::t_in_loop_work = false;
}

void CefRunMessageLoop() {
  {
    std::lock_guard<std::mutex> lock(EngineMutex());
    if (!State().running() || !State().on_ui_thread())
      return;
    State().quit_requested = false;
  }
  for (;;) {
    CefDoMessageLoopWork();
    {
      std::lock_guard<std::mutex> lock(EngineMutex());
      if (State().quit_requested || !State().running())
        return;
    }
    UiQueue().WaitForWork(cefsim::Clock::Now() + std::chrono::milliseconds(100));
  }
}

void CefQuitMessageLoop() {
  {
    std::lock_guard<std::mutex> lock(EngineMutex());
    State().quit_requested = true;
  }
  UiQueue().Wake();
}

void CefShutdown() {
  CefRefPtr<CefApp> app;
  CefRefPtr<cefsim::CommandLineImpl> command_line;
  std::vector<cefsim::SchemeRegistration> factories;
  {
    std::lock_guard<std::mutex> lock(EngineMutex());
    cefsim::EngineState& state = State();
    if (!state.running() || !state.on_ui_thread())
      return;
  }
  // The engine expects every browser closed by now; any still open is counted (the
  // driver reads it) and let go.
  cefsim::AbandonOpenBrowsers();
  {
    std::lock_guard<std::mutex> lock(EngineMutex());
    cefsim::EngineState& state = State();
    state.shut_down = true;
    // Swapped, not moved: the engine's references copy on a move.
    app.swap(state.app);
    command_line.swap(state.global_command_line);
    factories.swap(state.factories);
  }
  UiQueue().Close();
  // The references go here, outside the lock: the last release runs client code.
  factories.clear();
  command_line = nullptr;
  app = nullptr;
}

void CefEnableHighDPISupport() {
  std::lock_guard<std::mutex> lock(EngineMutex());
  State().high_dpi_support = true;
}
