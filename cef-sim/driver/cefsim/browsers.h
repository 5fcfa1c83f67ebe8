#ifndef CEFSIM_DRIVER_CEFSIM_BROWSERS_H_
#define CEFSIM_DRIVER_CEFSIM_BROWSERS_H_

// What a client did to the engine's browsers, read back. Ids are browser identifiers;
// an unknown id reads as zero, empty or false. Any thread, except AskViewRect.

#include <cstdint>
#include <vector>

#include "include/cef_base.h"

namespace cefsim {
namespace driver {

struct Script {
  int64_t frame_id;
  CefString code;
  CefString url;
  int line;
  CefString document;  // the address of the document it ran in; empty when none
};

struct BrowserWindowInfo {
  bool windowless;
  uint32_t style;
  int x;
  int y;
  int width;
  int height;
  uintptr_t parent_window;
};

struct BrowserSettingsInfo {
  int windowless_frame_rate;
  uint32_t background_color;
};

// Browsers created and not yet past OnBeforeClose, in creation order (popups and
// DevTools browsers included).
std::vector<int> BrowserIds();
bool KnownBrowser(int id);
// OnBeforeClose was delivered.
bool BrowserClosed(int id);
// Calls of CloseBrowser on the browser's host.
int CloseRequests(int id);
// The opener's id for a popup, 0 otherwise.
int OpenerOf(int id);

int64_t MainFrameId(int id);
// The main frame first, then the current subframes in document order.
std::vector<int64_t> FrameIds(int id);
// The frame's committed address; false when no live frame has that identifier.
bool FrameUrl(int64_t frame_id, CefString* url);

// Every ExecuteJavaScript that reached a frame of the browser, in order. With a
// renderer process, as the renderer ran them (the call waits, bounded, for it).
std::vector<Script> Scripts(int id);
// Each answer of the render handler's GetViewRect, in order.
std::vector<CefRect> ViewRectsAsked(int id);
// Asks the render handler's GetViewRect now, as the engine does when it lays the view
// out, and records the answer. On the UI thread only; false for an unknown, closed or
// handler-less browser.
bool AskViewRect(int id, CefRect* rect);

// What the browser was created with; false for an unknown id.
bool WindowInfoOf(int id, BrowserWindowInfo* info);
bool BrowserSettingsOf(int id, BrowserSettingsInfo* settings);

double ZoomLevel(int id);
// The id of its open DevTools browser, 0 when none is open.
int DevToolsOf(int id);
int ShowDevToolsCalls(int id);
// The browser's own window, 0 for a windowless browser.
uintptr_t ChildWindow(int id);

// Messages the engine wrote to its own log because OnConsoleMessage returned false.
std::vector<CefString> EngineLoggedConsoleMessages();
// Browsers that were still open when CefShutdown ran (the engine expects none).
int BrowsersOpenAtShutdown();

}  // namespace driver
}  // namespace cefsim

#endif  // CEFSIM_DRIVER_CEFSIM_BROWSERS_H_
