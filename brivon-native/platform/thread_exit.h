// A hook that runs when a thread ends, on that thread, for threads the bridge did not start
// (the engine's loader threads), where no code of ours sits at the end of the thread's
// function.
#pragma once

namespace brivon::platform {

// Arms the calling thread: `hook` runs on it once, as the thread ends. Arming a thread
// again replaces the hook it had. Returns false when the system refuses.
bool CallAtThreadExit(void (*hook)());

}  // namespace brivon::platform
