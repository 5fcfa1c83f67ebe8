// Custom frame through the DLL's exports, on real windows under the system's own frame mode.

#include "panehost.h"
#include "test_windows.h"

#include <dwmapi.h>
#include <gtest/gtest.h>

#include <atomic>
#include <set>

using namespace panehost_test;

namespace {

constexpr LONG kPlainFrameStyle = static_cast<LONG>(0x820F0000u);
constexpr LONG kDropShadowFrameStyle = static_cast<LONG>(0x82CF0000u);

bool systemWantsDropShadow() {
  BOOL dropShadow = FALSE;
  BOOL composition = FALSE;
  return SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &dropShadow, 0) && dropShadow &&
         SUCCEEDED(DwmIsCompositionEnabled(&composition)) && composition;
}

LONG modeStyle() { return systemWantsDropShadow() ? kDropShadowFrameStyle : kPlainFrameStyle; }

// The system keeps WS_CLIPSIBLINGS on every top-level window, whatever style it is given.
LONG styleOf(HWND hwnd) { return GetWindowLongW(hwnd, GWL_STYLE) & ~WS_CLIPSIBLINGS; }

// The client's hit-test function: records its arguments, answers `captionAnswer`.
std::atomic<int> captionAnswer{0};
RECT seenRect;
POINT seenPoint;
int CALLBACK recordingHitTest(int left, int top, int right, int bottom, int x, int y) {
  seenRect = {left, top, right, bottom};
  seenPoint = {x, y};
  return captionAnswer;
}
int CALLBACK alwaysCaption(int, int, int, int, int, int) { return 1; }

LRESULT hitTestAt(HWND hwnd, int x, int y) {
  return SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(static_cast<short>(x), static_cast<short>(y)));
}

bool receivedMessage(const TestWindow& window, UINT message) {
  for (const auto& m : window.received())
    if (m.message == message) return true;
  return false;
}

struct Attached {
  explicit Attached(HWND hwnd) : hwnd(hwnd) {}
  ~Attached() { detach(hwnd); }
  HWND hwnd;
};

}  // namespace

TEST(Attach, ResultCodes) {
  TestWindow window;
  const LONG style = GetWindowLongW(window.hwnd(), GWL_STYLE);
  const HWND notAWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FF0ABCD));
  EXPECT_EQ(-1, attach(notAWindow, recordingHitTest, 5, 1)) << "handle that is not a window";
  EXPECT_EQ(-1, attach(nullptr, recordingHitTest, 5, 1)) << "null handle";
  EXPECT_EQ(-2, attach(window.hwnd(), nullptr, 5, 1)) << "no hit-test function";
  EXPECT_EQ(-3, attach(GetDesktopWindow(), recordingHitTest, 5, 1)) << "window of another process";
  EXPECT_EQ(style, GetWindowLongW(window.hwnd(), GWL_STYLE)) << "a refused attach changes nothing";
  EXPECT_EQ(TestWindow::classProcedure(), reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window.hwnd(), GWLP_WNDPROC)));
  EXPECT_EQ(1, attach(window.hwnd(), recordingHitTest, 5, 1));
  detach(window.hwnd());
}

TEST(Attach, HidesTheWindowAndMakesItAllClientArea) {
  TestWindow window(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_EQ(1, attach(window.hwnd(), recordingHitTest, 5, 1));
  Attached attached(window.hwnd());
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
  EXPECT_EQ(modeStyle(), styleOf(window.hwnd()));
  RECT windowRect, clientRect;
  GetWindowRect(window.hwnd(), &windowRect);
  GetClientRect(window.hwnd(), &clientRect);
  EXPECT_EQ(windowRect.right - windowRect.left, clientRect.right) << "no non-client area left";
  EXPECT_EQ(windowRect.bottom - windowRect.top, clientRect.bottom);
}

TEST(Attach, TwiceKeepsTheFirstRecordAndHidesAgain) {
  TestWindow window(WS_OVERLAPPEDWINDOW);
  const LONG originalStyle = GetWindowLongW(window.hwnd(), GWL_STYLE);
  ASSERT_EQ(1, attach(window.hwnd(), recordingHitTest, 5, 1));
  ShowWindow(window.hwnd(), SW_SHOW);
  SetWindowLongW(window.hwnd(), GWL_STYLE, GetWindowLongW(window.hwnd(), GWL_STYLE) | WS_BORDER);
  // Someone subclasses the attached window; a second attach must not cut them out.
  static WNDPROC below = nullptr;
  static std::atomic<int> seenAbove{0};
  below = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      window.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_NULL) ++seenAbove;
        return CallWindowProcW(below, h, m, w, l);
      })));

  EXPECT_EQ(1, attach(window.hwnd(), alwaysCaption, 0, 0));
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
  EXPECT_EQ(modeStyle(), styleOf(window.hwnd()));
  SendMessageW(window.hwnd(), WM_NULL, 0, 0);
  EXPECT_EQ(1, seenAbove) << "the later subclass stays in the chain";

  RECT r;
  GetWindowRect(window.hwnd(), &r);
  captionAnswer = 0;
  EXPECT_EQ(HTLEFT, hitTestAt(window.hwnd(), r.left + 1, r.top + 50)) << "first border width kept";
  EXPECT_EQ(HTCLIENT, hitTestAt(window.hwnd(), r.left + 50, r.top + 50)) << "first hit-test function kept";

  SetWindowLongPtrW(window.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(below));
  detach(window.hwnd());
  EXPECT_EQ(TestWindow::classProcedure(), reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window.hwnd(), GWLP_WNDPROC)))
      << "first saved procedure kept";
  EXPECT_EQ(originalStyle | WS_VISIBLE, GetWindowLongW(window.hwnd(), GWL_STYLE)) << "first saved style kept";
}

struct HitCase {
  const char* what;
  int border;
  RECT window;
  int dx, dy;  // from the window's top-left corner
  int caption;
  LRESULT expected;
};

TEST(FrameHitTest, AnswersByZoneOrByTheClientFunction) {
  const RECT normal{100, 100, 400, 300};
  const RECT offScreen{-300, -200, -100, -50};
  const RECT narrow{100, 100, 108, 300};
  const HitCase cases[] = {
      {"4 px inside the left edge", 5, normal, 4, 100, 0, HTLEFT},
      {"5 px inside the left edge", 5, normal, 5, 100, 0, HTCLIENT},
      {"last column", 5, normal, 299, 100, 0, HTRIGHT},
      {"5 px inside the right edge", 5, normal, 294, 100, 0, HTCLIENT},
      {"top", 5, normal, 150, 0, 0, HTTOP},
      {"bottom", 5, normal, 150, 199, 0, HTBOTTOM},
      {"top left", 5, normal, 2, 2, 0, HTTOPLEFT},
      {"top right", 5, normal, 298, 4, 0, HTTOPRIGHT},
      {"bottom left", 5, normal, 0, 195, 0, HTBOTTOMLEFT},
      {"bottom right", 5, normal, 299, 199, 0, HTBOTTOMRIGHT},
      {"caption by the client", 5, normal, 150, 20, 1, HTCAPTION},
      {"border 0 leaves the edge to the client", 0, normal, 0, 100, 0, HTCLIENT},
      {"border 0, caption", 0, normal, 0, 0, 1, HTCAPTION},
      {"negative border is none", -3, normal, 0, 100, 1, HTCAPTION},
      {"negative screen coordinates", 5, offScreen, 3, 60, 0, HTLEFT},
      {"negative screen coordinates, inside", 5, offScreen, 60, 60, 1, HTCAPTION},
      {"narrow window, both side zones", 5, narrow, 4, 100, 0, HTCLIENT},
      {"narrow window, both side zones, caption", 5, narrow, 4, 100, 1, HTCAPTION},
      {"narrow window, top zone too", 5, narrow, 4, 1, 0, HTCLIENT},
  };
  for (const HitCase& c : cases) {
    SCOPED_TRACE(c.what);
    TestWindow window(WS_POPUP, nullptr, c.window);
    ASSERT_EQ(1, attach(window.hwnd(), recordingHitTest, c.border, 1));
    Attached attached(window.hwnd());
    // Attaching may not keep a tiny popup's size; test against where the window really is.
    MoveWindow(window.hwnd(), c.window.left, c.window.top, c.window.right - c.window.left,
               c.window.bottom - c.window.top, FALSE);
    RECT r;
    GetWindowRect(window.hwnd(), &r);
    ASSERT_EQ(c.window.right - c.window.left, r.right - r.left);
    captionAnswer = c.caption;
    seenRect = {};
    const int x = r.left + c.dx;
    const int y = r.top + c.dy;
    EXPECT_EQ(c.expected, hitTestAt(window.hwnd(), x, y));
    if (c.expected == HTCLIENT || c.expected == HTCAPTION) {
      EXPECT_EQ(r.left, seenRect.left);
      EXPECT_EQ(r.top, seenRect.top);
      EXPECT_EQ(r.right, seenRect.right);
      EXPECT_EQ(r.bottom, seenRect.bottom);
      EXPECT_EQ(x, seenPoint.x);
      EXPECT_EQ(y, seenPoint.y);
    }
  }
}

TEST(FrameProcedure, CalcSizeAnswersOneAndFillsTheWorkAreaWhenMaximized) {
  TestWindow window(WS_OVERLAPPEDWINDOW);
  ASSERT_EQ(1, attach(window.hwnd(), recordingHitTest, 5, 1));
  Attached attached(window.hwnd());

  RECT plain{10, 20, 30, 40};
  EXPECT_EQ(1, SendMessageW(window.hwnd(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&plain)));
  EXPECT_EQ(10, plain.left);
  EXPECT_EQ(40, plain.bottom) << "a window that is not maximized keeps the whole rectangle";

  ShowWindow(window.hwnd(), SW_MAXIMIZE);
  ASSERT_TRUE(IsZoomed(window.hwnd()));
  MONITORINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(window.hwnd(), MONITOR_DEFAULTTONEAREST), &info));
  for (WPARAM calcValidRects : {WPARAM{FALSE}, WPARAM{TRUE}}) {
    NCCALCSIZE_PARAMS params{};
    WINDOWPOS position{};
    params.rgrc[0] = {-8, -8, 5000, 5000};
    params.lppos = &position;
    EXPECT_EQ(1, SendMessageW(window.hwnd(), WM_NCCALCSIZE, calcValidRects, reinterpret_cast<LPARAM>(&params)));
    EXPECT_TRUE(EqualRect(&info.rcWork, &params.rgrc[0])) << "wParam " << calcValidRects;
  }
  RECT windowRect;
  GetWindowRect(window.hwnd(), &windowRect);
  RECT clientRect;
  GetClientRect(window.hwnd(), &clientRect);
  EXPECT_EQ(info.rcWork.right - info.rcWork.left, clientRect.right) << "the maximized client is the work area";
}

TEST(FrameProcedure, NonClientMessagesInThePlainFrame) {
  if (systemWantsDropShadow()) GTEST_SKIP() << "the system is in the drop-shadow mode";
  struct Case {
    const char* what;
    UINT message;
    int ignoreDoubleClick;
    LRESULT expected;
    bool forwarded;
  };
  const Case cases[] = {
      {"WM_NCPAINT is swallowed", WM_NCPAINT, 1, 0, false},
      {"WM_NCACTIVATE answers 1", WM_NCACTIVATE, 1, 1, false},
      {"double click swallowed", WM_NCLBUTTONDBLCLK, 1, 0, false},
      {"double click forwarded", WM_NCLBUTTONDBLCLK, 0, 12345, true},
      {"anything else forwarded", WM_APP + 7, 1, 12345, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestWindow window(WS_OVERLAPPEDWINDOW, nullptr, {100, 100, 400, 300},
                      [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                        return m == c.message ? 12345 : DefWindowProcW(h, m, w, l);
                      });
    ASSERT_EQ(1, attach(window.hwnd(), recordingHitTest, 5, c.ignoreDoubleClick));
    Attached attached(window.hwnd());
    window.clearReceived();
    EXPECT_EQ(c.expected, SendMessageW(window.hwnd(), c.message, 1, 0));
    EXPECT_EQ(c.forwarded, receivedMessage(window, c.message));
  }
}

TEST(FrameProcedure, SettingChangeThatKeepsTheModeIsOnlyForwarded) {
  TestWindow window(WS_OVERLAPPEDWINDOW);
  ASSERT_EQ(1, attach(window.hwnd(), recordingHitTest, 5, 1));
  Attached attached(window.hwnd());
  window.clearReceived();
  SendMessageW(window.hwnd(), WM_SETTINGCHANGE, 0, 0);
  EXPECT_TRUE(receivedMessage(window, WM_SETTINGCHANGE));
  EXPECT_FALSE(IsWindowVisible(window.hwnd())) << "no mode switch, so the window is not shown";
  EXPECT_EQ(modeStyle(), styleOf(window.hwnd()));
}

TEST(Detach, RestoresProcedureStylesAndFrameAndShowsTheWindow) {
  TestWindow window(WS_OVERLAPPEDWINDOW);
  SetWindowLongW(window.hwnd(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  SetWindowPos(window.hwnd(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  const LONG style = GetWindowLongW(window.hwnd(), GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window.hwnd(), GWL_EXSTYLE);
  RECT clientBefore;
  GetClientRect(window.hwnd(), &clientBefore);
  ASSERT_EQ(1, attach(window.hwnd(), recordingHitTest, 5, 1));
  SetWindowLongW(window.hwnd(), GWL_EXSTYLE, WS_EX_TOPMOST);

  detach(window.hwnd());

  EXPECT_EQ(TestWindow::classProcedure(), reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window.hwnd(), GWLP_WNDPROC)));
  EXPECT_EQ(style | WS_VISIBLE, GetWindowLongW(window.hwnd(), GWL_STYLE));
  EXPECT_EQ(exStyle, GetWindowLongW(window.hwnd(), GWL_EXSTYLE));
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
  RECT clientAfter;
  GetClientRect(window.hwnd(), &clientAfter);
  EXPECT_TRUE(EqualRect(&clientBefore, &clientAfter))
      << "the caption and borders are back: client " << clientAfter.right << "x" << clientAfter.bottom << ", was "
      << clientBefore.right << "x" << clientBefore.bottom;
  EXPECT_NE(HTLEFT, hitTestAt(window.hwnd(), 104, 200)) << "the frame procedure no longer answers";
}

TEST(Detach, OfAWindowNeverAttachedDoesNothing) {
  TestWindow window(WS_OVERLAPPEDWINDOW);
  const LONG style = GetWindowLongW(window.hwnd(), GWL_STYLE);
  detach(window.hwnd());
  EXPECT_EQ(style, GetWindowLongW(window.hwnd(), GWL_STYLE));
  EXPECT_FALSE(IsWindowVisible(window.hwnd())) << "not shown";
  EXPECT_TRUE(window.received().empty()) << "no message reached the window";
}

// The window lives on its own thread and is hammered with messages from a third one while
// this thread attaches and detaches it. Every answer must come from the frame (HTLEFT at
// the edge) or from the window's own procedure (kOwnAnswer), never from a dead record.
TEST(Detach, WhileAnotherThreadsWindowIsReceivingMessages) {
  constexpr LRESULT kOwnAnswer = 77;
  UiThread ui;
  auto window = ui.run([] {
    return std::make_unique<TestWindow>(WS_POPUP, nullptr, RECT{100, 100, 400, 300},
                                        [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                                          if (m == WM_NCHITTEST) return kOwnAnswer;
                                          return DefWindowProcW(h, m, w, l);
                                        });
  });
  const HWND hwnd = window->hwnd();
  std::atomic<bool> stop{false};
  std::set<LRESULT> answers;
  std::atomic<int> sent{0};
  std::thread sender([&] {
    while (!stop) {
      answers.insert(hitTestAt(hwnd, 101, 200));
      SendMessageW(hwnd, WM_NCACTIVATE, TRUE, 0);
      SendMessageW(hwnd, WM_SETTINGCHANGE, 0, 0);
      ++sent;
    }
  });
  for (int round = 0; round < 300; ++round) {
    ASSERT_EQ(1, attach(hwnd, recordingHitTest, 5, 1));
    detach(hwnd);
  }
  // Make sure the sender was running meanwhile, not only after the loop.
  const int before = sent;
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  while (sent < before + 10 && GetTickCount64() < deadline) std::this_thread::yield();
  stop = true;
  sender.join();
  for (LRESULT answer : answers) EXPECT_TRUE(answer == HTLEFT || answer == kOwnAnswer) << "answer " << answer;
  EXPECT_EQ(TestWindow::classProcedure(), reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)));
  ui.run([&] { window.reset(); });
}
