#pragma once
// The two questions the custom frame asks the desktop: whether the drop-shadow frame is
// wanted, and how far the frame extends into the client area. They sit behind a table of
// functions so that tests can run both frame modes on a system that only offers one.

#include <windows.h>
#include <uxtheme.h>

namespace panehost {

struct FrameSystem {
  // True when desktop composition and the system's drop-shadow setting are both on.
  bool (*dropShadowFrameWanted)();
  void (*extendFrameIntoClientArea)(HWND hwnd, const MARGINS& margins);
};

const FrameSystem& frameSystem();

// Tests only: replaces the desktop's answers; null puts the real ones back.
void setFrameSystemForTesting(const FrameSystem* system);

}  // namespace panehost
