#ifndef CEFSIM_DRIVER_CEFSIM_MENUS_H_
#define CEFSIM_DRIVER_CEFSIM_MENUS_H_

// Context menus the user asks for on a page, and what the client made of each. The engine
// handles a request browser-side, as it does for a renderer's request, in a later loop
// iteration. Every function may be called from any thread.

#include <vector>

namespace cefsim {
namespace driver {

enum class MenuTarget {
  kPage,       // a plain page area
  kSelection,  // selected text
  kEditable,   // an editable field; edit_flags say what it can do (CM_EDITFLAG_*)
};

// A right-click at x, y (view coordinates) in the main frame. The request's number (from
// 1), or 0 when the browser is unknown or closed.
int RequestContextMenu(int browser_id, MenuTarget target, int x, int y, int edit_flags = 0);

struct ContextMenuRecord {
  enum Outcome {
    kPending,       // the request has not been handled yet, or the client's menu is still open
    kNotShown,      // the model had no items: no menu at all
    kEngineMenu,    // RunContextMenu answered false (or there was no handler): the engine's own
    kContinued,     // the client ran the callback's Continue
    kCanceled,      // the client ran Cancel, or let the callback go without running it
  };
  int browser_id = 0;
  int item_count = 0;  // after OnBeforeContextMenu
  bool run_called = false;
  Outcome outcome = kPending;
  int command_id = 0;  // with kContinued
  // OnContextMenuCommand calls the engine made (one for a continued menu).
  int commands_delivered = 0;
};

// Every request, in the order they were made (request n at index n - 1).
std::vector<ContextMenuRecord> ContextMenus();

}  // namespace driver
}  // namespace cefsim

#endif  // CEFSIM_DRIVER_CEFSIM_MENUS_H_
