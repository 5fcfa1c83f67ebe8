// Load and unload work of panehost: the libraries that the DPI query looks its functions up in.
#include <windows.h>

#include "dpi.h"

namespace {

void loadLibraries() {
  panehost::libraryDpiQuery().setLibraries(LoadLibraryW(L"User32"), LoadLibraryW(L"SHCore"));
}

void freeLibraries() {
  panehost::DpiQuery& query = panehost::libraryDpiQuery();
  HMODULE userInterface = query.userInterfaceLibrary();
  HMODULE shellScaling = query.shellScalingLibrary();
  query.setLibraries(nullptr, nullptr);
  if (userInterface != nullptr) {
    FreeLibrary(userInterface);
  }
  if (shellScaling != nullptr) {
    FreeLibrary(shellScaling);
  }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      loadLibraries();
      break;
    case DLL_PROCESS_DETACH:
      freeLibraries();
      break;
    default:
      break;
  }
  return TRUE;
}
