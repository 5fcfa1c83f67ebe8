// The driver's page actions. Browsers arrive with the next change; until then every
// id is unknown.

#include "cefsim/page.h"

namespace cefsim {
namespace driver {

bool WindowOpen(int, const CefString&, bool) { return false; }
bool ConsoleLog(int, int, const CefString&, const CefString&, int) { return false; }
bool Fullscreen(int, bool) { return false; }
bool NavigateSubframe(int, int, const CefString&) { return false; }
bool SetTitle(int, const CefString&) { return false; }

}  // namespace driver
}  // namespace cefsim
