#ifndef CEFSIM_TESTS_RECORDING_APP_H_
#define CEFSIM_TESTS_RECORDING_APP_H_

#include <atomic>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "include/cef_app.h"

namespace cefsim_test {

// An application that records what the engine asks of it, and on which thread, and
// does what the test tells it to in each callback.
class RecordingApp : public CefApp, public CefBrowserProcessHandler {
 public:
  struct Event {
    std::string what;
    std::thread::id thread;
  };

  explicit RecordingApp(std::atomic<int>* deleted = nullptr) : deleted_(deleted) {}
  ~RecordingApp() override {
    if (deleted_)
      ++*deleted_;
  }

  std::function<void(CefRefPtr<CefCommandLine>)> on_command_line;
  std::function<void(CefRawPtr<CefSchemeRegistrar>)> on_schemes;
  std::function<void()> on_context_initialized;

  std::vector<Event> events() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
  }
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const Event& e : events())
      out.push_back(e.what);
    return out;
  }

  // CefApp methods:
  void OnBeforeCommandLineProcessing(const CefString& process_type,
                                     CefRefPtr<CefCommandLine> command_line) override {
    Record("command-line:" + process_type.ToString());
    if (on_command_line)
      on_command_line(command_line);
  }
  void OnRegisterCustomSchemes(CefRawPtr<CefSchemeRegistrar> registrar) override {
    Record("schemes");
    if (on_schemes)
      on_schemes(registrar);
  }
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override { return this; }
  CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override {
    Record("render-process-handler");
    return nullptr;
  }

  // CefBrowserProcessHandler methods:
  void OnContextInitialized() override {
    Record("context-initialized");
    if (on_context_initialized)
      on_context_initialized();
  }

 private:
  void Record(std::string what) {
    std::lock_guard<std::mutex> lock(mutex_);
    events_.push_back(Event{std::move(what), std::this_thread::get_id()});
  }

  std::atomic<int>* deleted_;
  mutable std::mutex mutex_;
  std::vector<Event> events_;

  IMPLEMENT_REFCOUNTING(RecordingApp);
};

// A task that runs a function and counts its own deletion.
class FunctionTask : public CefTask {
 public:
  explicit FunctionTask(std::function<void()> run, std::atomic<int>* deleted = nullptr)
      : run_(std::move(run)), deleted_(deleted) {}
  ~FunctionTask() override {
    if (deleted_)
      ++*deleted_;
  }

  // CefTask methods:
  void Execute() override { run_(); }

 private:
  std::function<void()> run_;
  std::atomic<int>* deleted_;

  IMPLEMENT_REFCOUNTING(FunctionTask);
};

inline CefRefPtr<CefTask> Task(std::function<void()> run, std::atomic<int>* deleted = nullptr) {
  return new FunctionTask(std::move(run), deleted);
}

inline CefMainArgs NoArgs() {
#if defined(OS_WIN)
  return CefMainArgs(nullptr);
#else
  return CefMainArgs(0, nullptr);
#endif
}

// The renderer program the engine starts for each browser: CEFSIM_TEST_RENDERER, which
// the build sets to the tests' own renderer when it runs a test set in child mode;
// empty (pages in the browser process) otherwise.
inline std::string TestRendererProgram() {
  const char* program = std::getenv("CEFSIM_TEST_RENDERER");
  return program ? program : "";
}

// Starts the engine on the calling thread with the settings the bridge uses.
inline bool StartEngine(CefRefPtr<CefApp> app) {
  CefSettings settings;
  settings.no_sandbox = true;
  settings.windowless_rendering_enabled = true;
  CefString(&settings.browser_subprocess_path) = TestRendererProgram();
  return CefInitialize(NoArgs(), settings, app, nullptr);
}

}  // namespace cefsim_test

#endif  // CEFSIM_TESTS_RECORDING_APP_H_
