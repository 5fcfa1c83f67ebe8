// The driver's read-backs of browsers. Browsers arrive with the next change; until
// then every id is unknown.

#include "cefsim/browsers.h"

namespace cefsim {
namespace driver {

std::vector<int> BrowserIds() { return {}; }
bool KnownBrowser(int) { return false; }
bool BrowserClosed(int) { return false; }
int CloseRequests(int) { return 0; }
int OpenerOf(int) { return 0; }
int64_t MainFrameId(int) { return 0; }
std::vector<int64_t> FrameIds(int) { return {}; }
bool FrameUrl(int64_t, CefString*) { return false; }
std::vector<Script> Scripts(int) { return {}; }
std::vector<CefRect> ViewRectsAsked(int) { return {}; }
bool AskViewRect(int, CefRect*) { return false; }
bool WindowInfoOf(int, BrowserWindowInfo*) { return false; }
bool BrowserSettingsOf(int, BrowserSettingsInfo*) { return false; }
double ZoomLevel(int) { return 0; }
int DevToolsOf(int) { return 0; }
int ShowDevToolsCalls(int) { return 0; }
uintptr_t ChildWindow(int) { return 0; }
std::vector<CefString> EngineLoggedConsoleMessages() { return {}; }
int BrowsersOpenAtShutdown() { return 0; }

}  // namespace driver
}  // namespace cefsim
