#ifndef CEFSIM_SRC_IPC_CHILD_PROCESS_H_
#define CEFSIM_SRC_IPC_CHILD_PROCESS_H_

#include <chrono>
#include <cstdint>
#include <string>

namespace cefsim {

// The switch that hands a renderer its end of the channel.
extern const char kChannelSwitch[];

struct LaunchedChild {
  int pid = 0;
  intptr_t channel = 0;  // the browser process's end
};

struct ChildExit {
  bool signaled = false;
  int signal = 0;     // when signaled
  bool killed = false;  // ended by a kill (SIGKILL), not by a fault of its own
  int exit_code = 0;  // otherwise
};

// The platform seam for renderer processes. Starts `program --type=renderer
// --<kChannelSwitch>=<descriptor>` with the other end of a new channel; the child dies
// with the thread that started it. False when no child could be started.
bool LaunchRenderer(const std::string& program, LaunchedChild* child);
// How long ReapChild waits for a child to end on its own.
extern const std::chrono::milliseconds kReapWait;
// Waits, at most kReapWait, for the child to end, then kills it; reaps it either way.
ChildExit ReapChild(int pid);
void KillChild(int pid);

}  // namespace cefsim

#endif  // CEFSIM_SRC_IPC_CHILD_PROCESS_H_
