#include "cefsim/driver.h"

#include <chrono>

#include "src/browser/browser_registry.h"
#include "src/engine.h"

namespace cefsim {
namespace driver {
namespace {

template <class F>
auto Locked(F f) {
  std::lock_guard<std::mutex> lock(EngineMutex());
  return f(State());
}

}  // namespace

int InitializeCalls() {
  return Locked([](EngineState& s) { return s.initialize_calls; });
}

bool LastInitializeSucceeded() {
  return Locked([](EngineState& s) { return s.last_initialize_succeeded; });
}

CefSettings InitSettings() {
  return Locked([](EngineState& s) { return s.settings; });
}

bool HighDpiSupportEnabled() {
  return Locked([](EngineState& s) { return s.high_dpi_support; });
}

int ExecuteProcessCalls() {
  return Locked([](EngineState& s) { return s.execute_process_calls; });
}

int ExecuteProcessResult() {
  return Locked([](EngineState& s) { return s.execute_process_result; });
}

std::vector<Switch> AppendedSwitches() {
  return Locked([](EngineState& s) {
    std::vector<Switch> out;
    for (const SwitchEntry& e : s.appended_switches)
      out.push_back(Switch{e.name, e.has_value, e.value});
    return out;
  });
}

std::vector<CustomScheme> CustomSchemes() {
  return Locked([](EngineState& s) {
    std::vector<CustomScheme> out;
    for (const CustomSchemeRecord& r : s.custom_schemes)
      out.push_back(CustomScheme{r.name, r.options});
    return out;
  });
}

std::vector<SchemeHandlerFactory> SchemeHandlerFactories() {
  return Locked([](EngineState& s) {
    std::vector<SchemeHandlerFactory> out;
    for (const SchemeRegistration& r : s.factories)
      out.push_back(
          SchemeHandlerFactory{r.scheme, r.domain, reinterpret_cast<uintptr_t>(r.factory.get())});
    return out;
  });
}

bool ContextInitialized() {
  return Locked([](EngineState& s) { return s.context_initialized; });
}

bool IsShutDown() {
  return Locked([](EngineState& s) { return s.shut_down; });
}

size_t PendingUiTasks() {
  return UiQueue().Pending();
}

size_t HeldClientObjects() {
  size_t held = Locked([](EngineState& s) { return (s.app ? 1 : 0) + s.factories.size(); });
  return held + UiQueue().PendingClientTasks() + HeldBrowserClients();
}

void AdvanceClockMs(int64_t ms) {
  Clock::Advance(std::chrono::milliseconds(ms));
}

}  // namespace driver
}  // namespace cefsim
