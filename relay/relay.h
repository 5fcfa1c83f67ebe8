// What linkrelay does with its items, apart from the process entry, so that it can be run
// against a recording system as well as the real one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace linkrelay {

constexpr int kUsageExit = -1;

// The system calls the relay makes, one to one.
class RelaySystem {
 public:
  virtual ~RelaySystem() = default;
  virtual HWND findWindow(const wchar_t* className, const wchar_t* title) = 0;
  virtual LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  virtual HINSTANCE shellExecute(HWND owner, const wchar_t* verb, const wchar_t* file,
                                 const wchar_t* parameters, const wchar_t* directory, int show) = 0;
  virtual DWORD moduleFileName(wchar_t* buffer, DWORD size) = 0;
  virtual DWORD currentDirectory(DWORD size, wchar_t* buffer) = 0;
  virtual void clearLastError() = 0;
  virtual DWORD lastError() = 0;
};

// items are the command-line items after the program path: mode, window class, window title,
// file, payload (more are ignored). Returns the process exit code.
int runRelay(const std::vector<std::wstring>& items, RelaySystem& system);

}  // namespace linkrelay
