#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "cefsim/driver.h"
#include "include/cef_version.h"
#include "tests/recording_app.h"

namespace driver = cefsim::driver;
using cefsim_test::NoArgs;
using cefsim_test::RecordingApp;
using cefsim_test::StartEngine;

namespace {

TEST(EngineLifecycleTest, StartUpCallbacksRunInsideInitializeAndContextInALaterPump) {
  CefRefPtr<RecordingApp> app = new RecordingApp();
  app->on_command_line = [](CefRefPtr<CefCommandLine> command_line) {
    command_line->AppendSwitch("disable-gpu");
    command_line->AppendSwitchWithValue("lang", "de");
    command_line->AppendSwitchWithValue("blank", "");
  };
  app->on_schemes = [](CefRawPtr<CefSchemeRegistrar> registrar) {
    EXPECT_TRUE(registrar->AddCustomScheme("jar", 0x11));
    EXPECT_TRUE(registrar->AddCustomScheme("brivon", 0x01));
    EXPECT_FALSE(registrar->AddCustomScheme("jar", 0x02)) << "a scheme is registered once";
  };

  CefSettings settings;
  settings.no_sandbox = true;
  settings.log_severity = static_cast<cef_log_severity_t>(99);
  CefString(&settings.cache_path) = "/tmp/c\xF0\x9F\x98\x80";
  ASSERT_TRUE(CefInitialize(NoArgs(), settings, app, nullptr));

  const std::thread::id ui = std::this_thread::get_id();
  std::vector<RecordingApp::Event> events = app->events();
  ASSERT_EQ(app->names(), (std::vector<std::string>{"command-line:", "schemes"}))
      << "the process type of the browser process is empty";
  for (const RecordingApp::Event& e : events)
    EXPECT_EQ(e.thread, ui) << e.what;
  EXPECT_FALSE(driver::ContextInitialized());

  CefDoMessageLoopWork();
  ASSERT_EQ(app->names().size(), 3u);
  EXPECT_EQ(app->events()[2].what, "context-initialized");
  EXPECT_EQ(app->events()[2].thread, ui);
  EXPECT_TRUE(driver::ContextInitialized());

  std::vector<driver::Switch> switches = driver::AppendedSwitches();
  ASSERT_EQ(switches.size(), 3u);
  EXPECT_EQ(switches[0].name.ToString(), "disable-gpu");
  EXPECT_FALSE(switches[0].has_value);
  EXPECT_EQ(switches[1].value.ToString(), "de");
  EXPECT_TRUE(switches[2].has_value) << "an empty value is still a value";

  std::vector<driver::CustomScheme> schemes = driver::CustomSchemes();
  ASSERT_EQ(schemes.size(), 2u);
  EXPECT_EQ(schemes[0].name.ToString(), "jar");
  EXPECT_EQ(schemes[0].options, 0x11);

  CefSettings seen = driver::InitSettings();
  EXPECT_EQ(seen.no_sandbox, 1);
  EXPECT_EQ(seen.log_severity, 99);
  EXPECT_EQ(CefString(&seen.cache_path).ToString(), "/tmp/c\xF0\x9F\x98\x80");
  EXPECT_TRUE(CefCommandLine::GetGlobalCommandLine()->HasSwitch("lang"));
  EXPECT_TRUE(CefCommandLine::GetGlobalCommandLine()->IsReadOnly());
}

TEST(EngineLifecycleTest, AppendedSwitchesAreTheApplicationsOwnAsTheEngineKeepsThem) {
  char program[] = "prog";
  char own[] = "--From-Process";
  char* argv[] = {program, own};
  CefRefPtr<RecordingApp> app = new RecordingApp();
  app->on_command_line = [](CefRefPtr<CefCommandLine> command_line) {
    EXPECT_TRUE(command_line->HasSwitch("from-process"));
    command_line->AppendSwitch("kept-out");
    command_line->Reset();
    command_line->AppendSwitch("--Disable-GPU");
    command_line->AppendSwitchWithValue("Lang", "DE");
  };
  CefSettings settings;
  ASSERT_TRUE(CefInitialize(CefMainArgs(2, argv), settings, app, nullptr));

  std::vector<std::string> seen;
  for (const driver::Switch& s : driver::AppendedSwitches())
    seen.push_back(s.has_value ? s.name.ToString() + "=" + s.value.ToString() : s.name.ToString());
  EXPECT_EQ(seen, (std::vector<std::string>{"disable-gpu", "lang=DE"}))
      << "what the process had and what the application reset is not reported";
  CefRefPtr<CefCommandLine> global = CefCommandLine::GetGlobalCommandLine();
  EXPECT_EQ(global->GetProgram().ToString(), "prog");
  EXPECT_FALSE(global->HasSwitch("from-process"));
  EXPECT_TRUE(global->HasSwitch("disable-gpu"));
  CefShutdown();
}

TEST(EngineLifecycleTest, SecondInitializeFailsWithoutAskingItsApplication) {
  CefRefPtr<RecordingApp> first = new RecordingApp();
  ASSERT_TRUE(StartEngine(first));
  CefRefPtr<RecordingApp> second = new RecordingApp();
  CefSettings other;
  CefString(&other.locale) = "fr";
  EXPECT_FALSE(CefInitialize(NoArgs(), other, second, nullptr));
  CefDoMessageLoopWork();

  EXPECT_TRUE(second->events().empty());
  EXPECT_EQ(first->names().back(), "context-initialized");
  EXPECT_EQ(driver::InitializeCalls(), 2);
  EXPECT_FALSE(driver::LastInitializeSucceeded());
  CefSettings seen = driver::InitSettings();
  EXPECT_EQ(CefString(&seen.locale).ToString(), "") << "the running engine keeps its settings";
}

TEST(EngineLifecycleTest, ShutdownReleasesWhatTheEngineHeldAndLaterCallsDoNothing) {
  std::atomic<int> app_deleted{0};
  std::atomic<int> tasks_deleted{0};
  bool task_ran = false;
  ASSERT_TRUE(StartEngine(new RecordingApp(&app_deleted)));
  CefDoMessageLoopWork();
  EXPECT_TRUE(CefPostTask(TID_UI, cefsim_test::Task([&] { task_ran = true; }, &tasks_deleted)));
  EXPECT_TRUE(CefPostDelayedTask(TID_UI, cefsim_test::Task([] {}, &tasks_deleted), 60000));
  EXPECT_EQ(driver::HeldClientObjects(), 3u) << "the application and two tasks";

  CefShutdown();
  EXPECT_TRUE(driver::IsShutDown());
  EXPECT_EQ(app_deleted, 1);
  EXPECT_EQ(tasks_deleted, 2) << "queued tasks are released";
  EXPECT_FALSE(task_ran) << "and not run";
  EXPECT_EQ(driver::HeldClientObjects(), 0u);
  EXPECT_EQ(driver::PendingUiTasks(), 0u);

  EXPECT_FALSE(CefPostTask(TID_UI, cefsim_test::Task([&] { task_ran = true; }, &tasks_deleted)));
  EXPECT_EQ(tasks_deleted, 3) << "a refused task is released at once";
  CefDoMessageLoopWork();
  CefShutdown();
  EXPECT_FALSE(StartEngine(new RecordingApp(&app_deleted))) << "the engine starts once per process";
  EXPECT_EQ(app_deleted, 2) << "the refused application is not kept";
  EXPECT_FALSE(task_ran);
}

TEST(EngineLifecycleTest, NothingRunsBeforeInitialize) {
  std::atomic<int> deleted{0};
  EXPECT_FALSE(CefCurrentlyOn(TID_UI));
  EXPECT_FALSE(CefPostTask(TID_UI, cefsim_test::Task([] {}, &deleted)));
  EXPECT_EQ(deleted, 1);
  CefShutdown();
  CefDoMessageLoopWork();
  EXPECT_FALSE(driver::IsShutDown());
  EXPECT_EQ(driver::InitializeCalls(), 0);
}

TEST(EngineLifecycleTest, ExecuteProcessTellsChildProcessesByTheirTypeSwitch) {
  CefRefPtr<RecordingApp> app = new RecordingApp();
  char program[] = "brivon-sub";
  char other[] = "--lang=de";
  char type[] = "--type=renderer";
  char* browser_argv[] = {program, other};
  EXPECT_EQ(CefExecuteProcess(CefMainArgs(2, browser_argv), app, nullptr), -1);
  EXPECT_TRUE(app->events().empty()) << "the browser process asks the application nothing";

  char* child_argv[] = {program, other, type};
  EXPECT_EQ(CefExecuteProcess(CefMainArgs(3, child_argv), app, nullptr), 0);
  EXPECT_EQ(app->names(), std::vector<std::string>{"render-process-handler"});
  EXPECT_EQ(driver::ExecuteProcessCalls(), 2);
  EXPECT_EQ(driver::ExecuteProcessResult(), 0);
}

TEST(EngineLifecycleTest, VersionEntries) {
  const int expected[] = {76, 1, 13, 2228, 76, 0, 3809, 132};
  for (int entry = 0; entry < 8; ++entry)
    EXPECT_EQ(cef_version_info(entry), expected[entry]) << "entry " << entry;
  EXPECT_EQ(cef_version_info(8), 0);
  EXPECT_EQ(cef_version_info(-1), 0);
}

TEST(EngineLifecycleTest, HighDpiSupportIsRecorded) {
  EXPECT_FALSE(driver::HighDpiSupportEnabled());
  CefEnableHighDPISupport();
  EXPECT_TRUE(driver::HighDpiSupportEnabled());
}

}  // namespace
