// Child-window input hook through the DLL's exports, on real windows.

#include "panehost.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

using namespace panehost_test;

namespace {

constexpr int kOffset = 0x8000;

struct Windows {
  TestWindow target{WS_OVERLAPPEDWINDOW};
  TestWindow parent{WS_OVERLAPPEDWINDOW};
  TestWindow child{WS_CHILD | WS_VISIBLE, parent.hwnd(), {0, 0, 50, 50}};
};

WNDPROC procedureOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)); }

}  // namespace

TEST(HookChildWindowInput, ResultCodes) {
  Windows w;
  const HWND notAWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FF0ABCD));
  EXPECT_EQ(-1, hookChildWindowInput(notAWindow, w.child.hwnd(), kOffset)) << "target not a window";
  EXPECT_EQ(-1, hookChildWindowInput(w.target.hwnd(), notAWindow, kOffset)) << "child not a window";
  EXPECT_EQ(-2, hookChildWindowInput(w.target.hwnd(), w.child.hwnd(), WM_USER)) << "offset 1024";
  EXPECT_EQ(-2, hookChildWindowInput(w.target.hwnd(), w.child.hwnd(), -5)) << "negative offset";
  EXPECT_EQ(-3, hookChildWindowInput(w.target.hwnd(), GetDesktopWindow(), kOffset)) << "window of another process";
  EXPECT_EQ(TestWindow::classProcedure(), procedureOf(w.child.hwnd())) << "refusals change nothing";
  EXPECT_EQ(1, hookChildWindowInput(w.target.hwnd(), w.child.hwnd(), WM_USER + 1)) << "offset 1025";
  unhookChildWindowInput(w.child.hwnd());
}

TEST(HookChildWindowInput, CopiesEveryMessageRenumberedAndTheChildKeepsWorking) {
  Windows w;
  ASSERT_EQ(1, hookChildWindowInput(w.target.hwnd(), w.child.hwnd(), kOffset));
  w.child.clearReceived();
  w.target.clearReceived();
  SendMessageW(w.child.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 4));
  PostMessageW(w.child.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 8));
  const auto copies = [&] {
    std::vector<Message> found;
    for (const auto& m : w.target.received())
      if (m.message >= static_cast<UINT>(kOffset)) found.push_back(m);
    return found;
  };
  ASSERT_TRUE(pumpUntil([&] { return w.child.received().size() >= 2 && copies().size() >= 2; }));

  const auto seen = w.child.received();
  ASSERT_EQ(2u, seen.size());
  EXPECT_EQ(static_cast<UINT>(WM_MOUSEMOVE), seen[0].message) << "the child's own procedure still runs";
  EXPECT_EQ(static_cast<UINT>(WM_LBUTTONDOWN), seen[1].message);

  const auto posted = copies();
  ASSERT_EQ(2u, posted.size());
  EXPECT_EQ(0x8200u, posted[0].message);
  EXPECT_EQ(static_cast<WPARAM>(MK_LBUTTON), posted[0].wParam);
  EXPECT_EQ(MAKELPARAM(3, 4), posted[0].lParam);
  EXPECT_EQ(static_cast<UINT>(kOffset + WM_LBUTTONDOWN), posted[1].message) << "posted messages too";
  EXPECT_EQ(static_cast<WPARAM>(MK_LBUTTON), posted[1].wParam);
  EXPECT_EQ(MAKELPARAM(7, 8), posted[1].lParam);
  unhookChildWindowInput(w.child.hwnd());
}

TEST(HookChildWindowInput, TwiceKeepsTheFirstTargetAndOffset) {
  Windows w;
  TestWindow secondTarget;
  ASSERT_EQ(1, hookChildWindowInput(w.target.hwnd(), w.child.hwnd(), kOffset));
  EXPECT_EQ(1, hookChildWindowInput(secondTarget.hwnd(), w.child.hwnd(), 0x6000));
  SendMessageW(w.child.hwnd(), WM_MOUSEMOVE, 0, 0);
  EXPECT_EQ(1u, takePosted(w.target.hwnd(), 0x8200, 0x8200).size());
  EXPECT_TRUE(takePosted(secondTarget.hwnd(), 0, 0).empty() &&
              takePosted(secondTarget.hwnd(), WM_USER, 0xFFFF).empty());
  unhookChildWindowInput(w.child.hwnd());
  EXPECT_EQ(TestWindow::classProcedure(), procedureOf(w.child.hwnd())) << "the first saved procedure";
}

TEST(UnhookChildWindowInput, RestoresTheProcedureAndStopsTheCopies) {
  Windows w;
  ASSERT_EQ(1, hookChildWindowInput(w.target.hwnd(), w.child.hwnd(), kOffset));
  unhookChildWindowInput(w.child.hwnd());
  EXPECT_EQ(TestWindow::classProcedure(), procedureOf(w.child.hwnd()));
  SendMessageW(w.child.hwnd(), WM_MOUSEMOVE, 0, 0);
  EXPECT_TRUE(takePosted(w.target.hwnd(), kOffset, kOffset + 0xFFFF).empty());
  unhookChildWindowInput(w.child.hwnd());  // a second unhook finds nothing to do
  EXPECT_EQ(TestWindow::classProcedure(), procedureOf(w.child.hwnd()));
}

// A message that reaches the hook procedure for a window without a record is processed
// with the registry's lock released: here that processing waits for another thread to hook
// a window, which needs the exclusive lock. Were the lock still held, the hook would wait
// for us and the bounded wait would run out.
TEST(HookProcedure, WindowWithoutRecordIsProcessedOutsideTheLock) {
  Windows w;
  TestWindow other;
  ASSERT_EQ(1, hookChildWindowInput(w.target.hwnd(), w.child.hwnd(), kOffset));
  const WNDPROC hookProcedure = procedureOf(w.child.hwnd());
  unhookChildWindowInput(w.child.hwnd());

  std::atomic<int> hookResult{0};
  bool hookedInTime = false;
  TestWindow plain(WS_OVERLAPPEDWINDOW, nullptr, {0, 0, 50, 50}, [&](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m != WM_APP) return DefWindowProcW(h, m, wp, lp);
    auto writer = std::async(std::launch::async,
                             [&] { hookResult = hookChildWindowInput(w.target.hwnd(), other.hwnd(), kOffset); });
    hookedInTime = writer.wait_for(std::chrono::milliseconds(kWaitMs)) == std::future_status::ready;
    return 99;
  });
  EXPECT_EQ(99, CallWindowProcW(hookProcedure, plain.hwnd(), WM_APP, 0, 0)) << "the window's own procedure answers";
  EXPECT_TRUE(hookedInTime);
  EXPECT_EQ(1, hookResult);
  unhookChildWindowInput(other.hwnd());
}

// The child lives on its own thread and receives messages from a third one while this
// thread hooks and unhooks it. Every message must still reach the child's own procedure.
TEST(UnhookChildWindowInput, WhileAnotherThreadsChildIsReceivingMessages) {
  UiThread ui;
  auto child = ui.run([] {
    return std::make_unique<TestWindow>(WS_POPUP, nullptr, RECT{0, 0, 50, 50},
                                        [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                                          return m == WM_APP ? 55 : DefWindowProcW(h, m, wp, lp);
                                        });
  });
  TestWindow target;
  const HWND hwnd = child->hwnd();
  std::atomic<bool> stop{false};
  std::atomic<int> wrong{0};
  std::atomic<int> sent{0};
  std::thread sender([&] {
    while (!stop) {
      if (SendMessageW(hwnd, WM_APP, 0, 0) != 55) ++wrong;
      ++sent;
    }
  });
  for (int round = 0; round < 300; ++round) {
    ASSERT_EQ(1, hookChildWindowInput(target.hwnd(), hwnd, kOffset));
    unhookChildWindowInput(hwnd);
  }
  const int before = sent;
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  while (sent < before + 10 && GetTickCount64() < deadline) std::this_thread::yield();
  stop = true;
  sender.join();
  EXPECT_EQ(0, wrong) << "messages that missed the child's own procedure";
  EXPECT_GT(sent, 10);
  EXPECT_EQ(TestWindow::classProcedure(), procedureOf(hwnd));
  takePosted(target.hwnd(), kOffset, kOffset + 0xFFFF);
  ui.run([&] { child.reset(); });
}
