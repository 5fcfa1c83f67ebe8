#include "dpi_query.h"

namespace panehost {
namespace {

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
constexpr UINT kDefaultDpi = 96;

// FARPROC is a generic function pointer; going through void* keeps -Wcast-function-type quiet
// about a conversion that is the whole point of GetProcAddress.
template <typename Function>
Function asFunction(FARPROC address) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace

void DpiQuery::setLibraries(HMODULE userInterface, HMODULE shellScaling) {
  userInterface_.store(userInterface);
  shellScaling_.store(shellScaling);
}

UINT DpiQuery::dpiForWindow(HWND window) {
  HMODULE userInterface = userInterface_.load();
  if (windowFunctionUsable_.load() && userInterface != nullptr) {
    WindowDpiFunction function = windowFunction_.load();
    if (function == nullptr) {
      function = asFunction<WindowDpiFunction>(system_.findFunction(userInterface, "GetDpiForWindow"));
      windowFunction_.store(function);
    }
    if (function != nullptr) {
      return function(window);
    }
    windowFunctionUsable_.store(false);
  }

  HMODULE shellScaling = shellScaling_.load();
  if (monitorFunctionUsable_.load() && shellScaling != nullptr) {
    HMONITOR monitor = system_.monitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (monitor == nullptr) {
      return 0;
    }
    MonitorDpiFunction function = monitorFunction_.load();
    if (function == nullptr) {
      function = asFunction<MonitorDpiFunction>(system_.findFunction(shellScaling, "GetDpiForMonitor"));
      monitorFunction_.store(function);
      if (function == nullptr) {
        monitorFunctionUsable_.store(false);
        return 0;
      }
    }
    UINT horizontal = kDefaultDpi;
    UINT vertical = kDefaultDpi;
    return function(monitor, kEffectiveDpi, &horizontal, &vertical) == S_OK ? horizontal : 0;
  }
  return 0;
}

}  // namespace panehost
