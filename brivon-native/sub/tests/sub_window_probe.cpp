// Shows a top-level window for a moment and ends with -1: what brivon-sub must not look like, for
// the test that watches for windows to prove that it sees one.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"BrivonSubWindowProbe";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                nullptr, nullptr, instance, nullptr);
  if (window != nullptr) {
    ShowWindow(window, SW_SHOWNORMAL);
    DestroyWindow(window);
  }
  return -1;
}
