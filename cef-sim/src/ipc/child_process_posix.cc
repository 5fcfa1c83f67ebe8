// Renderer processes on POSIX: a socket pair, fork and exec. Between fork and exec the
// child makes only async-signal-safe calls, since the parent may be a JVM with many
// threads.

#include "src/ipc/child_process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <thread>
#include <vector>

#if defined(__linux__)
#include <sys/prctl.h>
#endif

namespace cefsim {

const char kChannelSwitch[] = "cefsim-channel";
const std::chrono::milliseconds kReapWait(2000);

bool LaunchRenderer(const std::string& program, LaunchedChild* child) {
  if (program.empty())
    return false;
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
    return false;
  const std::string channel_arg =
      "--" + std::string(kChannelSwitch) + "=" + std::to_string(ends[1]);
  const std::string type_arg = "--type=renderer";
  std::vector<char*> argv = {const_cast<char*>(program.c_str()),
                             const_cast<char*>(type_arg.c_str()),
                             const_cast<char*>(channel_arg.c_str()), nullptr};
  const pid_t parent = getpid();
  pid_t pid = fork();
  if (pid < 0) {
    close(ends[0]);
    close(ends[1]);
    return false;
  }
  if (pid == 0) {
#if defined(__linux__)
    // A browser process that dies, even half-way through a test, takes its renderers.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
      _exit(1);
#else
    (void)parent;
#endif
    // Only the child's own end survives exec.
    int flags = fcntl(ends[1], F_GETFD);
    fcntl(ends[1], F_SETFD, flags & ~FD_CLOEXEC);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(ends[1]);
  child->pid = pid;
  child->channel = ends[0];
  return true;
}

namespace {

// Waits for pid without blocking; true once it has ended (or is not ours to wait for).
bool TryReap(int pid, int* status, bool* reaped) {
  pid_t done;
  do {
    done = waitpid(pid, status, WNOHANG);
  } while (done < 0 && errno == EINTR);
  *reaped = done == pid;
  return done != 0;
}

}  // namespace

ChildExit ReapChild(int pid) {
  ChildExit result;
  int status = 0;
  bool reaped = false;
  // A renderer that closed its channel is ending; one that has not ended by the deadline
  // is stuck, and the engine must not hang on it.
  const auto deadline = std::chrono::steady_clock::now() + kReapWait;
  bool ended = TryReap(pid, &status, &reaped);
  while (!ended && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ended = TryReap(pid, &status, &reaped);
  }
  if (!ended) {
    kill(pid, SIGKILL);
    pid_t done;
    do {
      done = waitpid(pid, &status, 0);
    } while (done < 0 && errno == EINTR);
    reaped = done == pid;
  }
  if (!reaped)
    return result;
  if (WIFSIGNALED(status)) {
    result.signaled = true;
    result.signal = WTERMSIG(status);
    result.killed = result.signal == SIGKILL;
  } else if (WIFEXITED(status)) {
    result.exit_code = WEXITSTATUS(status);
  }
  return result;
}

void KillChild(int pid) {
  if (pid > 0)
    kill(pid, SIGKILL);
}

}  // namespace cefsim
