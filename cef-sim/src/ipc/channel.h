#ifndef CEFSIM_SRC_IPC_CHANNEL_H_
#define CEFSIM_SRC_IPC_CHANNEL_H_

#include <cstdint>
#include <mutex>
#include <string>

#include "src/ipc/wire.h"

namespace cefsim {

// One end of the stream between the browser process and a renderer, carrying frames
// (a 32-bit length, then the bytes). Owns its descriptor (a socket on POSIX, a pipe
// handle on Windows). Send may come from any thread; one thread receives.
class Channel {
 public:
  explicit Channel(intptr_t handle);
  ~Channel();
  Channel(const Channel&) = delete;
  Channel& operator=(const Channel&) = delete;

  bool Send(const WireWriter& message);
  // Blocks for the next frame; false once the other end has gone (or after Shutdown).
  bool Receive(std::string* frame);
  // Ends both directions, waking a blocked Receive; the descriptor stays owned.
  void Shutdown();

 private:
  bool WriteAll(const char* data, size_t size);
  bool ReadAll(char* data, size_t size);

  const intptr_t handle_;
  std::mutex send_mutex_;
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_IPC_CHANNEL_H_
