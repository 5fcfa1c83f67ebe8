#ifndef CEFSIM_SRC_RENDERER_RENDERER_HOST_H_
#define CEFSIM_SRC_RENDERER_RENDERER_HOST_H_

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "src/ipc/channel.h"
#include "src/ipc/child_process.h"

namespace cefsim {

// The browser process's side of one renderer process: the child, its channel and the
// thread that reads it. Messages from the renderer go to on_message on that thread
// (which posts them to the UI thread); when the renderer ends on its own, on_exit gets
// how it ended. Calls (WireKind::kCall, kHasProperty) wait, bounded, for their answer.
class RendererHost {
 public:
  using MessageSink = std::function<void(const std::string& frame)>;
  using ExitSink = std::function<void(const ChildExit& exit)>;

  // Null when no child could be started.
  static std::shared_ptr<RendererHost> Launch(const std::string& program,
                                              MessageSink on_message,
                                              ExitSink on_exit);
  ~RendererHost();

  int pid() const { return pid_; }
  bool alive() const;
  bool Send(const WireWriter& message);
  int NextCallId();
  // Sends message (which carries call_id) and waits for the answer's frame.
  bool Call(int call_id, const WireWriter& message, std::string* answer);
  void Kill();
  // Ends the renderer in order (the last message said so), or kills it when it does
  // not end in time; reaps it. on_exit is not called. Any thread but the reader's.
  void Close();

  // Renderers started and not yet reaped, in this process.
  static int Live();

 private:
  RendererHost(int pid, intptr_t channel, MessageSink on_message, ExitSink on_exit);
  void Read();

  const int pid_;
  Channel channel_;
  MessageSink on_message_;
  ExitSink on_exit_;
  std::thread reader_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool closing_ = false;
  bool ended_ = false;  // the reader saw the channel end and reaped the child
  int last_call_id_ = 0;
  std::map<int, std::string> answers_;
  std::map<int, bool> waiting_;
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_RENDERER_RENDERER_HOST_H_
