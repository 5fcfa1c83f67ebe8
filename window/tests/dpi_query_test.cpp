// The fallbacks of the DPI query, which a system with GetDpiForWindow never takes: the lookups
// and the monitor search are replaced, the functions found are fakes or the real shell-scaling one.
#include <windows.h>
#include <shellscalingapi.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "dpi_query.h"

namespace {

HMODULE const kUser32 = reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x1000));
HMODULE const kShcore = reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x2000));
HMONITOR const kMonitor = reinterpret_cast<HMONITOR>(static_cast<INT_PTR>(0x3000));
HWND const kWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4000));

// The fakes are plain functions, so the world they see is file-wide; the fixture resets it.
struct World {
  std::map<std::string, FARPROC> user32;
  std::map<std::string, FARPROC> shcore;
  std::map<std::string, int> lookups;
  bool realMonitors = false;
  HMONITOR monitor = kMonitor;
  HWND windowAsked = nullptr;
  DWORD monitorFlags = 0;
  HMONITOR monitorAsked = nullptr;
  int dpiTypeAsked = -1;
  HRESULT monitorResult = S_OK;
};
World world;

FARPROC WINAPI fakeFindFunction(HMODULE module, LPCSTR name) {
  ++world.lookups[name];
  const auto& table = module == kUser32 ? world.user32 : world.shcore;
  auto found = table.find(name);
  return found == table.end() ? nullptr : found->second;
}

HMONITOR WINAPI fakeMonitorFromWindow(HWND window, DWORD flags) {
  world.windowAsked = window;
  world.monitorFlags = flags;
  return world.realMonitors ? MonitorFromWindow(window, flags) : world.monitor;
}

UINT WINAPI fakeDpiForWindow(HWND window) { return window == kWindow ? 168 : 1; }

HRESULT WINAPI fakeDpiForMonitor(HMONITOR monitor, int type, UINT* x, UINT* y) {
  world.monitorAsked = monitor;
  world.dpiTypeAsked = type;
  if (*x != 96 || *y != 96) {
    return E_UNEXPECTED;  // the outputs are to start at 96
  }
  *x = 144;
  *y = 120;
  return world.monitorResult;
}

template <typename Function>
FARPROC asFarproc(Function function) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(function));
}

class DpiFallback : public ::testing::Test {
 protected:
  DpiFallback() : query_(panehost::DpiSystem{&fakeFindFunction, &fakeMonitorFromWindow}) {
    world = World();
  }

  UINT askTimes(int times, HWND window = kWindow) {
    UINT last = 0;
    for (int i = 0; i < times; ++i) {
      last = query_.dpiForWindow(window);
    }
    return last;
  }

  panehost::DpiQuery query_;
};

TEST_F(DpiFallback, WindowFunctionIsLookedUpOnceAndAnswersAlone) {
  world.user32["GetDpiForWindow"] = asFarproc(&fakeDpiForWindow);
  world.shcore["GetDpiForMonitor"] = asFarproc(&fakeDpiForMonitor);
  query_.setLibraries(kUser32, kShcore);

  EXPECT_EQ(askTimes(3), 168u);
  EXPECT_EQ(world.lookups["GetDpiForWindow"], 1);
  EXPECT_EQ(world.lookups["GetDpiForMonitor"], 0);
  EXPECT_EQ(world.windowAsked, nullptr) << "no monitor search when the window function answers";
}

TEST_F(DpiFallback, ShellScalingOnlyAnswersTheHorizontalEffectiveDpiOfTheNearestMonitor) {
  world.shcore["GetDpiForMonitor"] = asFarproc(&fakeDpiForMonitor);
  query_.setLibraries(kUser32, kShcore);

  EXPECT_EQ(askTimes(3), 144u);
  EXPECT_EQ(world.windowAsked, kWindow);
  EXPECT_EQ(world.monitorFlags, static_cast<DWORD>(MONITOR_DEFAULTTONEAREST));
  EXPECT_EQ(world.monitorAsked, kMonitor);
  EXPECT_EQ(world.dpiTypeAsked, 0) << "MDT_EFFECTIVE_DPI";
  EXPECT_EQ(world.lookups["GetDpiForWindow"], 1) << "a missing window function is not looked up again";
  EXPECT_EQ(world.lookups["GetDpiForMonitor"], 1);
}

TEST_F(DpiFallback, ShellScalingOnlyWithTheRealMonitorFunctionAgreesWithIt) {
  HMODULE shcore = LoadLibraryW(L"SHCore");
  ASSERT_NE(shcore, nullptr);
  world.shcore["GetDpiForMonitor"] = GetProcAddress(shcore, "GetDpiForMonitor");
  ASSERT_NE(world.shcore["GetDpiForMonitor"], nullptr);
  world.realMonitors = true;
  query_.setLibraries(kUser32, kShcore);
  HWND window = CreateWindowExW(0, L"STATIC", L"dpi", WS_OVERLAPPEDWINDOW, 10, 10, 100, 100,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);

  UINT x = 0;
  UINT y = 0;
  ASSERT_EQ(GetDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI, &x, &y), S_OK);
  EXPECT_GT(x, 0u);
  EXPECT_EQ(query_.dpiForWindow(window), x);
  DestroyWindow(window);
  FreeLibrary(shcore);
}

TEST_F(DpiFallback, ShellScalingFailuresAnswerZero) {
  world.shcore["GetDpiForMonitor"] = asFarproc(&fakeDpiForMonitor);
  query_.setLibraries(kUser32, kShcore);

  world.monitor = nullptr;
  EXPECT_EQ(askTimes(1), 0u) << "no monitor for the window";
  world.monitor = kMonitor;
  world.monitorResult = E_INVALIDARG;
  EXPECT_EQ(askTimes(1), 0u) << "GetDpiForMonitor failed";
  world.monitorResult = S_OK;
  EXPECT_EQ(askTimes(1), 144u) << "a failed call does not make the function unusable";
}

TEST_F(DpiFallback, NeitherFunctionAnswersZeroAndLooksUpEachOnlyOnce) {
  query_.setLibraries(kUser32, kShcore);

  EXPECT_EQ(askTimes(4), 0u);
  EXPECT_EQ(world.lookups["GetDpiForWindow"], 1);
  EXPECT_EQ(world.lookups["GetDpiForMonitor"], 1);
}

TEST_F(DpiFallback, LibrariesThatDidNotLoadAreNeverSearched) {
  world.user32["GetDpiForWindow"] = asFarproc(&fakeDpiForWindow);
  world.shcore["GetDpiForMonitor"] = asFarproc(&fakeDpiForMonitor);
  query_.setLibraries(nullptr, nullptr);
  EXPECT_EQ(askTimes(2), 0u);

  query_.setLibraries(nullptr, kShcore);
  EXPECT_EQ(askTimes(1), 144u) << "without User32 the shell-scaling function answers";
  EXPECT_EQ(world.lookups["GetDpiForWindow"], 0);
}

}  // namespace
