// Notification-area icon and flashing. The shell's and the timer's calls go through
// recorders that pass them on to the system, so each test sees both the records the
// library hands over and what the system does with them.

#include "notify_system.h"
#include "panehost.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <thread>
#include <mutex>
#include <string>
#include <vector>

using namespace panehost_test;

namespace {

constexpr UINT kIconId = 7;  // notify_test.rc
constexpr UINT kMissingIconId = 999;
constexpr UINT kCallbackMessage = WM_APP + 9;
constexpr UINT kFlashTimer = 1;

struct ShellCall {
  DWORD message;
  NOTIFYICONDATAW data;
};
struct TimerCall {
  bool set;
  HWND hwnd;
  UINT_PTR id;
  UINT elapse;
};

std::mutex callsMutex;
std::vector<ShellCall> shellCalls;
std::vector<TimerCall> timerCalls;

BOOL recordShell(DWORD message, NOTIFYICONDATAW* data) {
  {
    std::lock_guard<std::mutex> lock(callsMutex);
    shellCalls.push_back({message, *data});
  }
  return Shell_NotifyIconW(message, data);
}
UINT_PTR recordSetTimer(HWND hwnd, UINT_PTR id, UINT elapse) {
  {
    std::lock_guard<std::mutex> lock(callsMutex);
    timerCalls.push_back({true, hwnd, id, elapse});
  }
  return SetTimer(hwnd, id, elapse, nullptr);
}
BOOL recordKillTimer(HWND hwnd, UINT_PTR id) {
  {
    std::lock_guard<std::mutex> lock(callsMutex);
    timerCalls.push_back({false, hwnd, id, 0});
  }
  return KillTimer(hwnd, id);
}
const panehost::NotifySystem kRecorder{recordShell, recordSetTimer, recordKillTimer};

std::vector<ShellCall> takeShellCalls() {
  std::vector<ShellCall> taken;
  std::lock_guard<std::mutex> lock(callsMutex);
  taken.swap(shellCalls);
  return taken;
}
std::vector<TimerCall> takeTimerCalls() {
  std::vector<TimerCall> taken;
  std::lock_guard<std::mutex> lock(callsMutex);
  taken.swap(timerCalls);
  return taken;
}

std::vector<Message> callbackSeen;
LRESULT CALLBACK recordingCallback(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  callbackSeen.push_back({hwnd, message, wParam, lParam});
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Whether the system's notification area holds an icon for (hwnd, id): modifying nothing
// succeeds only for an icon that is there.
bool shellHasIcon(HWND hwnd, UINT id) {
  NOTIFYICONDATAW probe{};
  probe.cbSize = sizeof probe;
  probe.hWnd = hwnd;
  probe.uID = id;
  return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

void tick(HWND hwnd) { SendMessageW(hwnd, WM_TIMER, kFlashTimer, 0); }

class Notify : public ::testing::Test {
 protected:
  void SetUp() override {
    panehost::setNotifySystemForTesting(&kRecorder);
    callbackSeen.clear();
    window = createWindow(nullptr, L"PanehostNotify", L"N", 0, 0, recordingCallback);
    hwnd = createWindowHandle(window, 0, 0, 100, 100);
    ASSERT_NE(nullptr, hwnd);
    takeShellCalls();
    takeTimerCalls();
  }
  void TearDown() override {
    destroyWindow(window);
    panehost::setNotifySystemForTesting(nullptr);
  }

  // Flash ticks: the flags and whether an image went with each NIM_MODIFY.
  std::vector<std::pair<UINT, bool>> modifications() {
    std::vector<std::pair<UINT, bool>> seen;
    for (const auto& call : takeShellCalls())
      if (call.message == NIM_MODIFY) seen.push_back({call.data.uFlags, call.data.hIcon != nullptr});
    return seen;
  }

  HostWindow* window = nullptr;
  HWND hwnd = nullptr;
};

const std::pair<UINT, bool> kShown{NIF_MESSAGE | NIF_ICON | NIF_TIP, true};
const std::pair<UINT, bool> kShownWithoutImage{NIF_MESSAGE | NIF_ICON | NIF_TIP, false};
const std::pair<UINT, bool> kHidden{NIF_ICON, false};

}  // namespace

TEST_F(Notify, AddsOneIconWithTheRecordOfTheWindow) {
  createWindowNotify(window, kCallbackMessage, kIconId, L"tip text");
  auto calls = takeShellCalls();
  ASSERT_EQ(1u, calls.size());
  EXPECT_EQ(static_cast<DWORD>(NIM_ADD), calls[0].message);
  const NOTIFYICONDATAW& d = calls[0].data;
  EXPECT_EQ(976u, d.cbSize);
  EXPECT_EQ(hwnd, d.hWnd);
  EXPECT_EQ(kIconId, d.uID);
  EXPECT_EQ(static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP), d.uFlags);
  EXPECT_EQ(kCallbackMessage, d.uCallbackMessage);
  EXPECT_EQ(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconId)), d.hIcon);
  EXPECT_NE(nullptr, d.hIcon);
  EXPECT_STREQ(L"tip text", d.szTip);
  // Everything after the tip is zero.
  const auto* rest = reinterpret_cast<const unsigned char*>(&d.dwState);
  const size_t restSize = sizeof d - offsetof(NOTIFYICONDATAW, dwState);
  EXPECT_EQ(restSize, std::count(rest, rest + restSize, 0)) << "state, balloon, version and GUID are zero";
  EXPECT_TRUE(shellHasIcon(hwnd, kIconId)) << "the system shows the icon";

  createWindowNotify(window, kCallbackMessage + 1, kIconId + 1, L"other");
  EXPECT_TRUE(takeShellCalls().empty()) << "a second call changes nothing";
  flashWindowNotify(window, 0, 0);
  tick(hwnd);
  calls = takeShellCalls();
  ASSERT_EQ(1u, calls.size());
  EXPECT_EQ(kIconId, calls[0].data.uID) << "the first record is kept";
  EXPECT_EQ(kCallbackMessage, calls[0].data.uCallbackMessage);
  EXPECT_STREQ(L"tip text", calls[0].data.szTip);
}

TEST_F(Notify, TooltipIsCutToWhatTheRecordHolds) {
  struct Case {
    const char* what;
    std::wstring tooltip;
    bool isNull;
    std::wstring expected;
  };
  const std::wstring a127(127, L'a');
  const Case cases[] = {
      {"null", L"", true, L""},
      {"127 characters", a127, false, a127},
      {"200 characters", std::wstring(200, L'b'), false, std::wstring(127, L'b')},
      {"a surrogate pair across the cut", std::wstring(126, L'c') + L"\U0001F600" + L"dd", false,
       std::wstring(126, L'c')},
      {"a surrogate pair just inside", std::wstring(125, L'e') + L"\U0001F600" + L"ff", false,
       std::wstring(125, L'e') + L"\U0001F600"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HostWindow* other = createWindow(nullptr, L"PanehostNotifyTip", L"T", 0, 0, nullptr);
    ASSERT_NE(nullptr, createWindowHandle(other, 0, 0, 50, 50));
    createWindowNotify(other, kCallbackMessage, kIconId, c.isNull ? nullptr : c.tooltip.c_str());
    const auto calls = takeShellCalls();
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(c.expected, std::wstring(calls[0].data.szTip));
    destroyWindow(other);
    takeShellCalls();
  }
}

TEST_F(Notify, FlashIntervalIsAtLeast200AndRestartingResetsIt) {
  createWindowNotify(window, kCallbackMessage, kIconId, L"t");
  const std::pair<int, UINT> cases[] = {{50, 200}, {500, 500}, {0, 200}, {-5, 200}, {200, 200}, {201, 201}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    flashWindowNotify(window, 1, c.first);
    const auto timers = takeTimerCalls();
    ASSERT_EQ(1u, timers.size());
    EXPECT_TRUE(timers[0].set);
    EXPECT_EQ(hwnd, timers[0].hwnd);
    EXPECT_EQ(kFlashTimer, timers[0].id);
    EXPECT_EQ(c.second, timers[0].elapse);
  }
  EXPECT_TRUE(modifications().empty()) << "restarting does not touch the icon";
}

TEST_F(Notify, TicksAlternateAndAStopShowsTheIconAndEndsTheTimer) {
  createWindowNotify(window, kCallbackMessage, kIconId, L"t");
  flashWindowNotify(window, 1, 50);
  tick(hwnd);
  tick(hwnd);
  tick(hwnd);
  EXPECT_EQ((std::vector<std::pair<UINT, bool>>{kHidden, kShown, kHidden}), modifications());

  flashWindowNotify(window, 0, 0);  // stopped while hidden
  EXPECT_TRUE(takeTimerCalls().back().set) << "the timer runs on until the next tick";
  tick(hwnd);
  EXPECT_EQ((std::vector<std::pair<UINT, bool>>{kShown}), modifications());
  auto timers = takeTimerCalls();
  ASSERT_EQ(1u, timers.size());
  EXPECT_FALSE(timers[0].set);
  EXPECT_EQ(kFlashTimer, timers[0].id);
  EXPECT_FALSE(KillTimer(hwnd, kFlashTimer)) << "the system's timer is gone";

  flashWindowNotify(window, 1, 50);
  tick(hwnd);
  tick(hwnd);
  flashWindowNotify(window, 0, 0);  // stopped while shown
  tick(hwnd);
  EXPECT_EQ((std::vector<std::pair<UINT, bool>>{kHidden, kShown, kShown}), modifications()) << "reloaded";
  EXPECT_FALSE(takeTimerCalls().back().set);
  EXPECT_TRUE(callbackSeen.empty() || callbackSeen.back().message != WM_TIMER) << "ticks are not the client's";
}

TEST_F(Notify, TheSystemTimerDrivesTheTicks) {
  createWindowNotify(window, kCallbackMessage, kIconId, L"t");
  flashWindowNotify(window, 1, 200);
  std::vector<std::pair<UINT, bool>> seen;
  ASSERT_TRUE(pumpUntil([&] {
    for (const auto& m : modifications()) seen.push_back(m);
    return seen.size() >= 2;
  }));
  EXPECT_EQ(kHidden, seen[0]);
  EXPECT_EQ(kShown, seen[1]);
  flashWindowNotify(window, 0, 0);
  ASSERT_TRUE(pumpUntil([&] {
    for (const auto& t : takeTimerCalls())
      if (!t.set) return true;
    return false;
  })) << "the next tick stops the timer";
}

TEST_F(Notify, AnIconThatNamesNoResourceIsAddedWithoutImageAndNeverHides) {
  createWindowNotify(window, kCallbackMessage, kMissingIconId, L"t");
  const auto calls = takeShellCalls();
  ASSERT_EQ(1u, calls.size());
  EXPECT_EQ(static_cast<DWORD>(NIM_ADD), calls[0].message);
  EXPECT_EQ(nullptr, calls[0].data.hIcon);
  flashWindowNotify(window, 1, 50);
  tick(hwnd);
  tick(hwnd);
  EXPECT_EQ((std::vector<std::pair<UINT, bool>>{kShownWithoutImage, kShownWithoutImage}), modifications());
}

TEST_F(Notify, ANotificationReachesTheMessageFunction) {
  createWindowNotify(window, kCallbackMessage, kIconId, L"t");
  // What the shell sends for a click on the icon when no behaviour version was chosen.
  SendMessageW(hwnd, kCallbackMessage, kIconId, WM_LBUTTONUP);
  ASSERT_FALSE(callbackSeen.empty());
  const Message& m = callbackSeen.back();
  EXPECT_EQ(hwnd, m.hwnd);
  EXPECT_EQ(kCallbackMessage, m.message);
  EXPECT_EQ(static_cast<WPARAM>(kIconId), m.wParam);
  EXPECT_EQ(static_cast<LPARAM>(WM_LBUTTONUP), m.lParam);
}

TEST_F(Notify, DestroyWindowRemovesTheIcon) {
  createWindowNotify(window, kCallbackMessage, kIconId, L"t");
  takeShellCalls();
  ASSERT_TRUE(shellHasIcon(hwnd, kIconId));
  destroyWindow(window);
  window = nullptr;
  const auto calls = takeShellCalls();
  ASSERT_EQ(1u, calls.size());
  EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), calls[0].message);
  EXPECT_EQ(hwnd, calls[0].data.hWnd);
  EXPECT_EQ(kIconId, calls[0].data.uID);
  EXPECT_FALSE(shellHasIcon(hwnd, kIconId)) << "gone from the notification area";
}

TEST_F(Notify, NothingHappensWithoutAWindowOrAnIcon) {
  flashWindowNotify(window, 1, 500);
  EXPECT_TRUE(takeTimerCalls().empty()) << "no icon, no timer";

  HostWindow* made = createWindow(nullptr, L"PanehostNotifyLater", L"L", 0, 0, nullptr);
  createWindowNotify(made, kCallbackMessage, kIconId, L"t");
  EXPECT_TRUE(takeShellCalls().empty()) << "no native window yet";
  const HWND later = createWindowHandle(made, 0, 0, 50, 50);
  createWindowNotify(made, kCallbackMessage, kIconId, L"t");
  const auto calls = takeShellCalls();
  ASSERT_EQ(1u, calls.size()) << "the icon can still be added once the window exists";
  EXPECT_EQ(later, calls[0].data.hWnd);
  destroyWindow(made);
}

TEST_F(Notify, AnIconOutlivingItsOwnerThreadIsRemovedByDestroyWindow) {
  HostWindow* orphan = nullptr;
  HWND orphanHwnd = nullptr;
  std::thread([&] {
    orphan = createWindow(nullptr, L"PanehostNotifyOrphan", L"O", 0, 0, nullptr);
    orphanHwnd = createWindowHandle(orphan, 0, 0, 50, 50);
    createWindowNotify(orphan, kCallbackMessage, kIconId, L"t");
  }).join();
  takeShellCalls();
  destroyWindow(orphan);
  const auto calls = takeShellCalls();
  ASSERT_EQ(1u, calls.size());
  EXPECT_EQ(static_cast<DWORD>(NIM_DELETE), calls[0].message);
  EXPECT_EQ(orphanHwnd, calls[0].data.hWnd);
}
