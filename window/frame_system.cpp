#include "frame_system.h"

#include <dwmapi.h>

#include <atomic>

namespace panehost {
namespace {

bool systemDropShadowFrameWanted() {
  BOOL dropShadow = FALSE;
  if (!SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &dropShadow, 0) || !dropShadow) return false;
  BOOL composition = FALSE;
  return SUCCEEDED(DwmIsCompositionEnabled(&composition)) && composition;
}

void systemExtendFrameIntoClientArea(HWND hwnd, const MARGINS& margins) {
  DwmExtendFrameIntoClientArea(hwnd, &margins);
}

const FrameSystem kSystem{systemDropShadowFrameWanted, systemExtendFrameIntoClientArea};
std::atomic<const FrameSystem*> current{&kSystem};

}  // namespace

const FrameSystem& frameSystem() { return *current.load(); }

void setFrameSystemForTesting(const FrameSystem* system) { current.store(system ? system : &kSystem); }

}  // namespace panehost
