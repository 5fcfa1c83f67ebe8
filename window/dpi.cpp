#include "dpi.h"

#include "panehost.h"

namespace panehost {

DpiQuery& libraryDpiQuery() {
  static DpiQuery query(DpiSystem{&GetProcAddress, &MonitorFromWindow});
  return query;
}

}  // namespace panehost

extern "C" uint32_t getDpiForWindow(HWND window) {
  return panehost::libraryDpiQuery().dpiForWindow(window);
}
