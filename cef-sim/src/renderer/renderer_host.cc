#include "src/renderer/renderer_host.h"

#include <atomic>
#include <chrono>

namespace cefsim {
namespace {

// Long enough for a loaded machine; a renderer that takes longer has hung.
const std::chrono::seconds kAnswerWait(10);
const std::chrono::seconds kEndWait(5);

std::atomic<int> g_live{0};

}  // namespace

std::shared_ptr<RendererHost> RendererHost::Launch(const std::string& program,
                                                   MessageSink on_message,
                                                   ExitSink on_exit) {
  LaunchedChild child;
  if (!LaunchRenderer(program, &child))
    return nullptr;
  ++g_live;
  std::shared_ptr<RendererHost> host(
      new RendererHost(child.pid, child.channel, std::move(on_message), std::move(on_exit)));
  host->reader_ = std::thread([raw = host.get()]() { raw->Read(); });
  return host;
}

RendererHost::RendererHost(int pid, intptr_t channel, MessageSink on_message, ExitSink on_exit)
    : pid_(pid), channel_(channel), on_message_(std::move(on_message)),
      on_exit_(std::move(on_exit)) {}

RendererHost::~RendererHost() {
  Close();
}

int RendererHost::Live() {
  return g_live.load();
}

bool RendererHost::alive() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return !ended_ && !closing_;
}

bool RendererHost::Send(const WireWriter& message) {
  return channel_.Send(message);
}

int RendererHost::NextCallId() {
  std::lock_guard<std::mutex> lock(mutex_);
  return ++last_call_id_;
}

bool RendererHost::Call(int call_id, const WireWriter& message, std::string* answer) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (ended_ || closing_)
      return false;
    waiting_[call_id] = true;
  }
  bool sent = channel_.Send(message);
  std::unique_lock<std::mutex> lock(mutex_);
  bool answered = sent && changed_.wait_for(lock, kAnswerWait, [&]() {
    return ended_ || answers_.count(call_id) != 0;
  });
  waiting_.erase(call_id);
  auto it = answers_.find(call_id);
  if (!answered || it == answers_.end()) {
    answers_.erase(call_id);
    return false;
  }
  *answer = std::move(it->second);
  answers_.erase(it);
  return true;
}

void RendererHost::Kill() {
  KillChild(pid_);
}

void RendererHost::Close() {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    closing_ = true;
    if (!ended_ && !changed_.wait_for(lock, kEndWait, [&]() { return ended_; })) {
      lock.unlock();
      KillChild(pid_);
    }
  }
  if (reader_.joinable() && reader_.get_id() != std::this_thread::get_id())
    reader_.join();
}

void RendererHost::Read() {
  std::string frame;
  while (channel_.Receive(&frame)) {
    WireReader reader(frame);
    if (reader.kind() == WireKind::kCallResult || reader.kind() == WireKind::kPropertyResult) {
      int call_id = reader.I32();
      std::lock_guard<std::mutex> lock(mutex_);
      if (waiting_.count(call_id)) {
        answers_[call_id] = frame;
        changed_.notify_all();
      }
      continue;
    }
    bool closing;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      closing = closing_;
    }
    if (!closing && on_message_)
      on_message_(frame);
  }
  // The renderer closed its end: it is ending (or has); one that hangs instead is killed
  // after a bounded wait, so that nothing waits on a stuck child.
  ChildExit exit = ReapChild(pid_);
  --g_live;
  bool report;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ended_ = true;
    report = !closing_;
    changed_.notify_all();
  }
  if (report && on_exit_)
    on_exit_(exit);
  on_message_ = nullptr;
  on_exit_ = nullptr;
}

}  // namespace cefsim
