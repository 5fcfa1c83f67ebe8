// brivon-sub on Windows: a GUI program, so no console opens; the engine reads the command line
// itself, so only the instance handle is passed on.
#include <windows.h>

#include "sub/subprocess.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return brivon::sub::RunSubprocess(CefMainArgs(instance));
}
