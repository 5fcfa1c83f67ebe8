// Renderer processes on Windows. The stand-in runs its tests on the host only; in the
// Windows builds it compiles the seam but starts no renderer, so browsers keep their
// pages in the browser process as they do with no subprocess program.

#include "src/ipc/child_process.h"

namespace cefsim {

const char kChannelSwitch[] = "cefsim-channel";
const std::chrono::milliseconds kReapWait(2000);

bool LaunchRenderer(const std::string& /*program*/, LaunchedChild* /*child*/) {
  return false;
}

ChildExit ReapChild(int /*pid*/) {
  return ChildExit();
}

void KillChild(int /*pid*/) {}

}  // namespace cefsim
