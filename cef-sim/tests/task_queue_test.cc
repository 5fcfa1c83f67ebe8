#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cefsim/driver.h"
#include "tests/recording_app.h"

namespace driver = cefsim::driver;
using cefsim_test::StartEngine;
using cefsim_test::Task;

namespace {

// A started engine whose context-initialised task has already run.
class TaskQueueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartEngine(new cefsim_test::RecordingApp()));
    CefDoMessageLoopWork();
    ASSERT_EQ(driver::PendingUiTasks(), 0u);
  }
  void TearDown() override { CefShutdown(); }

  void Log(const std::string& what) {
    std::lock_guard<std::mutex> lock(mutex_);
    log_.push_back(what);
  }
  std::vector<std::string> log() {
    std::lock_guard<std::mutex> lock(mutex_);
    return log_;
  }

 private:
  std::mutex mutex_;
  std::vector<std::string> log_;
};

TEST_F(TaskQueueTest, TasksFromAnyThreadRunInPostingOrderOnTheUiThread) {
  const std::thread::id ui = std::this_thread::get_id();
  std::atomic<int> off_ui{0};
  auto post = [&](const std::string& name) {
    return CefPostTask(TID_UI, Task([&, name] {
      if (std::this_thread::get_id() != ui || !CefCurrentlyOn(TID_UI))
        ++off_ui;
      Log(name);
    }));
  };
  EXPECT_TRUE(post("ui-1"));
  bool posted_elsewhere = false;
  bool currently_on_elsewhere = true;
  std::thread other([&] {
    currently_on_elsewhere = CefCurrentlyOn(TID_UI);
    posted_elsewhere = post("other-1") && post("other-2");
    // Pumping belongs to the UI thread; elsewhere it does nothing.
    CefDoMessageLoopWork();
  });
  other.join();
  EXPECT_TRUE(posted_elsewhere);
  EXPECT_FALSE(currently_on_elsewhere);
  EXPECT_TRUE(log().empty()) << "nothing runs before the UI thread pumps";
  EXPECT_TRUE(post("ui-2"));
  EXPECT_TRUE(CefCurrentlyOn(TID_UI));

  CefDoMessageLoopWork();
  EXPECT_EQ(log(), (std::vector<std::string>{"ui-1", "other-1", "other-2", "ui-2"}));
  EXPECT_EQ(off_ui, 0);
}

TEST_F(TaskQueueTest, WorkPostedWhileAPumpRunsWaitsForTheNextPump) {
  CefPostTask(TID_UI, Task([&] {
    Log("outer");
    CefPostTask(TID_UI, Task([&] { Log("inner"); }));
    CefDoMessageLoopWork();  // nested pumps run nothing
  }));
  CefPostTask(TID_UI, Task([&] { Log("second"); }));

  CefDoMessageLoopWork();
  EXPECT_EQ(log(), (std::vector<std::string>{"outer", "second"}));
  EXPECT_EQ(driver::PendingUiTasks(), 1u);
  CefDoMessageLoopWork();
  EXPECT_EQ(log(), (std::vector<std::string>{"outer", "second", "inner"}));
}

TEST_F(TaskQueueTest, DelayedTasksRunWhenDueInOrderOfTheirDueTime) {
  CefPostDelayedTask(TID_UI, Task([&] { Log("late"); }), 5000);
  CefPostDelayedTask(TID_UI, Task([&] { Log("early"); }), 1000);
  CefPostTask(TID_UI, Task([&] { Log("now"); }));
  CefPostDelayedTask(TID_UI, Task([&] { Log("negative delay"); }), -5);

  CefDoMessageLoopWork();
  EXPECT_EQ(log(), (std::vector<std::string>{"now", "negative delay"}));
  driver::AdvanceClockMs(6000);
  CefDoMessageLoopWork();
  EXPECT_EQ(log(), (std::vector<std::string>{"now", "negative delay", "early", "late"}));
}

TEST_F(TaskQueueTest, OnlyTheUiThreadTakesTasks) {
  std::atomic<int> deleted{0};
  EXPECT_FALSE(CefPostTask(TID_IO, Task([] {}, &deleted)));
  EXPECT_FALSE(CefPostTask(TID_UI, nullptr));
  EXPECT_FALSE(CefCurrentlyOn(TID_IO));
  EXPECT_EQ(deleted, 1);
}

TEST_F(TaskQueueTest, RunMessageLoopRunsUntilQuit) {
  CefPostTask(TID_UI, Task([&] { Log("first"); }));
  CefPostDelayedTask(TID_UI, Task([&] {
    Log("quit");
    CefQuitMessageLoop();
  }), 20);
  CefRunMessageLoop();
  EXPECT_EQ(log(), (std::vector<std::string>{"first", "quit"}));
}

}  // namespace
