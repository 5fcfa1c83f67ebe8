// The DPI query's branch logic, apart from the library-wide instance, so that the fallbacks for
// systems without GetDpiForWindow can be exercised on one that has it.
#pragma once

#include <windows.h>

#include <atomic>

namespace panehost {

// The two system calls the query needs besides the looked-up functions themselves.
struct DpiSystem {
  FARPROC(WINAPI* findFunction)(HMODULE module, LPCSTR name);
  HMONITOR(WINAPI* monitorFromWindow)(HWND window, DWORD flags);
};

// Tries GetDpiForWindow from the user-interface library, then GetDpiForMonitor from the
// shell-scaling library. A function that is missing is remembered and never looked up again;
// one that is found stays cached. Safe to call from any thread: every value is written at most
// once and always with the same content.
class DpiQuery {
 public:
  explicit DpiQuery(DpiSystem system) : system_(system) {}

  void setLibraries(HMODULE userInterface, HMODULE shellScaling);
  HMODULE userInterfaceLibrary() const { return userInterface_.load(); }
  HMODULE shellScalingLibrary() const { return shellScaling_.load(); }

  UINT dpiForWindow(HWND window);

 private:
  using WindowDpiFunction = UINT(WINAPI*)(HWND);
  using MonitorDpiFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

  DpiSystem system_;
  std::atomic<HMODULE> userInterface_{nullptr};
  std::atomic<HMODULE> shellScaling_{nullptr};
  std::atomic<bool> windowFunctionUsable_{true};
  std::atomic<bool> monitorFunctionUsable_{true};
  std::atomic<WindowDpiFunction> windowFunction_{nullptr};
  std::atomic<MonitorDpiFunction> monitorFunction_{nullptr};
};

}  // namespace panehost
