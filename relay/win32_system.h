// The relay's system calls, made for real.
#pragma once

#include "relay.h"

namespace linkrelay {

class Win32System : public RelaySystem {
 public:
  HWND findWindow(const wchar_t* className, const wchar_t* title) override;
  LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  HINSTANCE shellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                         const wchar_t* directory, int show) override;
  DWORD moduleFileName(wchar_t* buffer, DWORD size) override;
  DWORD currentDirectory(DWORD size, wchar_t* buffer) override;
  void clearLastError() override;
  DWORD lastError() override;
};

}  // namespace linkrelay
