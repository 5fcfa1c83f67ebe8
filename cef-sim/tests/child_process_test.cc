// Reaping a renderer once its channel has closed: one that ends is reaped with how it
// ended, one that closed its channel but hangs is killed after a bounded wait, so that
// the engine's shutdown never waits on a stuck child.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "src/ipc/channel.h"
#include "src/ipc/child_process.h"

namespace {

// A renderer program that closes its end of the channel, then runs `then`.
std::string WriteChild(const std::string& then) {
  char dir[] = "/tmp/cefsim-child-XXXXXX";
  if (!mkdtemp(dir))
    return std::string();
  const std::string path = std::string(dir) + "/renderer.sh";
  FILE* file = fopen(path.c_str(), "w");
  if (!file)
    return std::string();
  fprintf(file,
          "#!/bin/sh\n"
          "fd=${2#--cefsim-channel=}\n"
          "eval \"exec $fd>&-\"\n"
          "%s\n",
          then.c_str());
  fclose(file);
  chmod(path.c_str(), 0700);
  return path;
}

TEST(ChildProcessTest, ReapingIsBoundedOnceTheChannelHasClosed) {
  using Clock = std::chrono::steady_clock;
  struct Case {
    const char* then;
    bool killed;
    int exit_code;
  };
  const Case cases[] = {
      {"exit 3", false, 3},
      {"exec sleep 60", true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.then);
    const std::string program = WriteChild(c.then);
    ASSERT_FALSE(program.empty());
    cefsim::LaunchedChild child;
    ASSERT_TRUE(cefsim::LaunchRenderer(program, &child));
    {
      cefsim::Channel channel(child.channel);
      std::string frame;
      EXPECT_FALSE(channel.Receive(&frame)) << "the child closed its end";
    }
    const Clock::time_point start = Clock::now();
    const cefsim::ChildExit exit = cefsim::ReapChild(child.pid);
    const auto waited = Clock::now() - start;
    EXPECT_EQ(exit.killed, c.killed);
    EXPECT_EQ(exit.signaled, c.killed);
    EXPECT_EQ(exit.exit_code, c.exit_code);
    EXPECT_NE(kill(child.pid, 0), 0) << "reaped";
    if (c.killed) {
      EXPECT_GE(waited, cefsim::kReapWait) << "it had its time to end";
    }
    EXPECT_LT(waited, cefsim::kReapWait + std::chrono::seconds(5));
    unlink(program.c_str());
    rmdir(program.substr(0, program.rfind('/')).c_str());
  }
}

}  // namespace
