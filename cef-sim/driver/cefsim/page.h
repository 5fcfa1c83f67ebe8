#ifndef CEFSIM_DRIVER_CEFSIM_PAGE_H_
#define CEFSIM_DRIVER_CEFSIM_PAGE_H_

// Makes the page shown in a browser act, as its script would. Each action is carried
// to the engine as a task that runs in a later loop iteration, as the renderer's
// messages do; each returns false when the browser is unknown or already closed.
// Every function may be called from any thread.

#include "include/cef_base.h"

namespace cefsim {
namespace driver {

// The main frame calls window.open(url) (a new foreground tab), or with features
// window.open(url, "", "width=300,height=200") (a popup of that size). With a user gesture.
bool WindowOpen(int browser_id, const CefString& url, bool with_features);

bool ConsoleLog(int browser_id,
                int level,
                const CefString& message,
                const CefString& source,
                int line);

// The page enters or leaves full screen.
bool Fullscreen(int browser_id, bool on);

// Subframe `index` (document order) navigates within the same frame object, so it
// keeps its identifier.
bool NavigateSubframe(int browser_id, int index, const CefString& url);

// document.title changes.
bool SetTitle(int browser_id, const CefString& title);

}  // namespace driver
}  // namespace cefsim

#endif  // CEFSIM_DRIVER_CEFSIM_PAGE_H_
