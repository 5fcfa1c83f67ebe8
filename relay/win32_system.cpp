#include "win32_system.h"

#include <shellapi.h>

namespace linkrelay {

HWND Win32System::findWindow(const wchar_t* className, const wchar_t* title) {
  return FindWindowW(className, title);
}

LRESULT Win32System::sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(window, message, wParam, lParam);
}

HINSTANCE Win32System::shellExecute(HWND owner, const wchar_t* verb, const wchar_t* file,
                                    const wchar_t* parameters, const wchar_t* directory, int show) {
  return ShellExecuteW(owner, verb, file, parameters, directory, show);
}

DWORD Win32System::moduleFileName(wchar_t* buffer, DWORD size) {
  return GetModuleFileNameW(nullptr, buffer, size);
}

DWORD Win32System::currentDirectory(DWORD size, wchar_t* buffer) {
  return GetCurrentDirectoryW(size, buffer);
}

void Win32System::clearLastError() { SetLastError(ERROR_SUCCESS); }

DWORD Win32System::lastError() { return GetLastError(); }

}  // namespace linkrelay
