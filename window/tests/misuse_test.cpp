// Every export of the DLL called the wrong way: with null where the header allows it, with
// windows that are gone, and with windows of another thread. Nothing may crash, hang or leave
// state behind that a correct call afterwards trips over.

#include "panehost.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>

using namespace panehost_test;

namespace {

constexpr int kOffset = 0x8000;
constexpr UINT kIconId = 7;  // notify_test.rc
constexpr UINT kCallbackMessage = WM_APP + 9;
constexpr UINT kFlashTimer = 1;
constexpr UINT kProbe = WM_USER + 1;  // its copies stay below 0x10000
constexpr LRESULT kProbeAnswer = 42;

WNDPROC procedureOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)); }

std::atomic<DWORD> hitTestThread{0};
int CALLBACK recordingHitTest(int, int, int, int, int, int) {
  hitTestThread = GetCurrentThreadId();
  return 0;
}

LRESULT CALLBACK probeAnsweringCallback(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return message == kProbe ? kProbeAnswer : DefWindowProcW(hwnd, message, wParam, lParam);
}

bool classExists(const wchar_t* name) {
  WNDCLASSW info;
  return GetClassInfoW(GetModuleHandleW(nullptr), name, &info) != FALSE;
}

// Modifying nothing succeeds only for an icon that is in the notification area.
bool shellHasIcon(HWND hwnd, UINT id) {
  NOTIFYICONDATAW probe{};
  probe.cbSize = sizeof probe;
  probe.hWnd = hwnd;
  probe.uID = id;
  return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

// Whether runWindowMessageLoop ran a loop on this thread: a WM_QUIT queued beforehand ends any
// loop at once, and is still waiting when none ran.
bool messageLoopRan(const std::function<void()>& call) {
  PostThreadMessageW(GetCurrentThreadId(), WM_QUIT, 0, 0);
  call();
  MSG quit;
  return !PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

HWND destroyedWindow() {
  const HWND hwnd = CreateWindowExW(0, L"STATIC", L"gone", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
  DestroyWindow(hwnd);
  return hwnd;
}

}  // namespace

TEST(PanehostMisuse, NullWhereTheHeaderAllowsIt) {
  TestWindow window;
  TestWindow target;
  struct Case {
    const char* what;
    std::function<bool()> call;  // true: the outcome is the sound one
  };
  const Case cases[] = {
      {"createWindowHandle(null) gives null", [] { return createWindowHandle(nullptr, 0, 0, 50, 50) == nullptr; }},
      {"runWindowMessageLoop(null) runs no loop",
       [] { return !messageLoopRan([] { runWindowMessageLoop(nullptr); }); }},
      {"destroyWindow(null) does nothing", [] { return destroyWindow(nullptr), true; }},
      {"createWindowNotify(null) does nothing",
       [] { return createWindowNotify(nullptr, kCallbackMessage, kIconId, nullptr), true; }},
      {"flashWindowNotify(null) does nothing", [] { return flashWindowNotify(nullptr, 1, 200), true; }},
      {"attach(null window) is -1", [] { return attach(nullptr, recordingHitTest, 5, 1) == -1; }},
      {"attach(no hit test) is -2", [&] { return attach(window.hwnd(), nullptr, 5, 1) == -2; }},
      {"detach(null) does nothing", [] { return detach(nullptr), true; }},
      {"hookChildWindowInput(null target) is -1",
       [&] { return hookChildWindowInput(nullptr, window.hwnd(), kOffset) == -1; }},
      {"hookChildWindowInput(null child) is -1",
       [&] { return hookChildWindowInput(target.hwnd(), nullptr, kOffset) == -1; }},
      {"unhookChildWindowInput(null) does nothing", [] { return unhookChildWindowInput(nullptr), true; }},
      {"getDpiForWindow(null) answers as the system does",
       [] { return getDpiForWindow(nullptr) == GetDpiForWindow(nullptr); }},
      {"copyImageToClipboard(null) is false", [] { return !copyImageToClipboard(nullptr); }},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(c.call()) << c.what;
    EXPECT_EQ(TestWindow::classProcedure(), procedureOf(window.hwnd())) << c.what << ": the window is untouched";
  }
  EXPECT_TRUE(window.received().empty()) << "no message reached the window";
  EXPECT_TRUE(takePosted(target.hwnd(), 0, 0xFFFF).empty());
  // A null tooltip is an empty one, and the icon is added.
  HostWindow* host = createWindow(nullptr, L"PanehostMisuseNull", L"N", 0, 0, nullptr);
  const HWND hwnd = createWindowHandle(host, 0, 0, 50, 50);
  ASSERT_NE(nullptr, hwnd);
  createWindowNotify(host, kCallbackMessage, kIconId, nullptr);
  EXPECT_TRUE(shellHasIcon(hwnd, kIconId));
  destroyWindow(host);
  EXPECT_FALSE(shellHasIcon(hwnd, kIconId));
}

TEST(PanehostMisuse, WindowsThatAreGone) {
  TestWindow live;
  const HWND gone = destroyedWindow();
  ASSERT_FALSE(IsWindow(gone));
  EXPECT_EQ(-1, attach(gone, recordingHitTest, 5, 1));
  detach(gone);
  EXPECT_EQ(-1, hookChildWindowInput(gone, live.hwnd(), kOffset)) << "gone target";
  EXPECT_EQ(-1, hookChildWindowInput(live.hwnd(), gone, kOffset)) << "gone child";
  unhookChildWindowInput(gone);
  EXPECT_EQ(0u, getDpiForWindow(gone));
  EXPECT_EQ(TestWindow::classProcedure(), procedureOf(live.hwnd()));
  EXPECT_TRUE(live.received().empty());

  // A hooked child outlives its target: the copies go nowhere, the child works on.
  {
    auto target = std::make_unique<TestWindow>();
    TestWindow child(WS_POPUP, nullptr, {0, 0, 50, 50}, [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      return m == kProbe ? kProbeAnswer : DefWindowProcW(h, m, w, l);
    });
    ASSERT_EQ(1, hookChildWindowInput(target->hwnd(), child.hwnd(), kOffset));
    ASSERT_EQ(1, attach(child.hwnd(), recordingHitTest, 5, 1));
    target.reset();
    EXPECT_EQ(kProbeAnswer, SendMessageW(child.hwnd(), kProbe, 0, 0));
    detach(child.hwnd());
    unhookChildWindowInput(child.hwnd());
    EXPECT_EQ(TestWindow::classProcedure(), procedureOf(child.hwnd()));
  }
}

// The client destroyed the native window of a window object itself; every export that takes
// the object still has to cope, and destroyWindow still cleans up what the object made.
TEST(PanehostMisuse, WindowObjectWhoseNativeWindowTheClientDestroyed) {
  for (int customFrame : {0, 1}) {
    SCOPED_TRACE(customFrame ? "custom frame" : "plain");
    const wchar_t* const className = customFrame ? L"PanehostMisuseGoneFramed" : L"PanehostMisuseGone";
    HostWindow* window = createWindow(nullptr, className, L"G", customFrame, 1, probeAnsweringCallback);
    const HWND hwnd = createWindowHandle(window, 0, 0, 100, 100);
    ASSERT_NE(nullptr, hwnd);
    ASSERT_TRUE(DestroyWindow(hwnd));

    EXPECT_EQ(hwnd, createWindowHandle(window, 0, 0, 100, 100)) << "the recorded handle, as documented";
    EXPECT_FALSE(IsWindow(hwnd)) << "and no new window";
    createWindowNotify(window, kCallbackMessage, kIconId, L"t");
    EXPECT_FALSE(shellHasIcon(hwnd, kIconId)) << "no icon for a window that is gone";
    flashWindowNotify(window, 1, 200);
    EXPECT_FALSE(KillTimer(hwnd, kFlashTimer)) << "no timer for it either";
    EXPECT_TRUE(messageLoopRan([&] { runWindowMessageLoop(window); })) << "the owner thread's loop runs as usual";
    EXPECT_EQ(-1, attach(hwnd, recordingHitTest, 5, 1));
    detach(hwnd);
    destroyWindow(window);
    EXPECT_FALSE(classExists(className)) << "the class this object registered is gone with it";
  }
}

TEST(PanehostMisuse, WindowsOfAnotherThread) {
  UiThread owner;
  HostWindow* window =
      owner.run([] { return createWindow(nullptr, L"PanehostMisuseOwned", L"O", 0, 0, probeAnsweringCallback); });
  const HWND hwnd = owner.run([&] { return createWindowHandle(window, 0, 0, 200, 150); });
  ASSERT_NE(nullptr, hwnd);

  EXPECT_EQ(hwnd, createWindowHandle(window, 5, 5, 50, 50)) << "the existing window";
  EXPECT_FALSE(messageLoopRan([&] { runWindowMessageLoop(window); }))
      << "this thread did not become the owner by asking for the handle";

  // The frame and the hook may be set up from any thread; the frame procedure and the
  // client's hit-test function run on the window's.
  TestWindow target;
  hitTestThread = 0;
  ASSERT_EQ(1, attach(hwnd, recordingHitTest, 5, 1));
  ASSERT_EQ(1, hookChildWindowInput(target.hwnd(), hwnd, kOffset));
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(HTLEFT, SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + 1, r.top + 60)));
  EXPECT_EQ(HTCLIENT, SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + 60, r.top + 60)));
  EXPECT_EQ(owner.id(), hitTestThread.load());
  EXPECT_EQ(kProbeAnswer, SendMessageW(hwnd, kProbe, 0, 0));
  EXPECT_EQ(2u, takePosted(target.hwnd(), kOffset + WM_NCHITTEST, kOffset + WM_NCHITTEST).size())
      << "copies of the two hit tests";
  EXPECT_EQ(1u, takePosted(target.hwnd(), kOffset + kProbe, kOffset + kProbe).size()) << "and of the probe";
  unhookChildWindowInput(hwnd);
  detach(hwnd);
  EXPECT_TRUE(IsWindowVisible(hwnd)) << "detached and shown";
  EXPECT_EQ(GetDpiForWindow(hwnd), getDpiForWindow(hwnd));

  // The icon may be added from any thread; flashing is the owner thread's, and asked for on
  // another one it starts no timer (the system gives window timers only to the window's
  // thread) and leaves the owner thread free to start it.
  createWindowNotify(window, kCallbackMessage, kIconId, L"t");
  EXPECT_TRUE(shellHasIcon(hwnd, kIconId));
  flashWindowNotify(window, 1, 200);
  EXPECT_FALSE(owner.run([&] { return KillTimer(hwnd, kFlashTimer) != FALSE; })) << "no timer from this thread";
  owner.run([&] { flashWindowNotify(window, 1, 200); });
  EXPECT_TRUE(owner.run([&] { return KillTimer(hwnd, kFlashTimer) != FALSE; })) << "the owner thread's timer";
  flashWindowNotify(window, 0, 0);

  destroyWindow(window);
  EXPECT_TRUE(IsWindow(hwnd)) << "refused here: the window is its owner thread's";
  owner.run([&] { destroyWindow(window); });
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(shellHasIcon(hwnd, kIconId));
  EXPECT_FALSE(classExists(L"PanehostMisuseOwned"));
}
