// Window objects and their message loop through the DLL's exports, on real windows.

#include "panehost.h"
#include "test_windows.h"

#include <fcntl.h>
#include <io.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <future>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

using namespace panehost_test;

namespace {

constexpr LONG kWindowStyle = static_cast<LONG>(0x820F0000u);
constexpr UINT kFlashTimer = 1;

// What the client's message function saw, on any window.
std::mutex seenMutex;
std::vector<Message> seen;

LRESULT CALLBACK recordingCallback(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  {
    std::lock_guard<std::mutex> lock(seenMutex);
    seen.push_back({hwnd, message, wParam, lParam});
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

std::vector<Message> seenMessages() {
  std::lock_guard<std::mutex> lock(seenMutex);
  return seen;
}

void clearSeen() {
  std::lock_guard<std::mutex> lock(seenMutex);
  seen.clear();
}

bool sawMessage(UINT message, WPARAM wParam = static_cast<WPARAM>(-1)) {
  for (const auto& m : seenMessages())
    if (m.message == message && (wParam == static_cast<WPARAM>(-1) || m.wParam == wParam)) return true;
  return false;
}

bool classExists(const wchar_t* name) {
  WNDCLASSW info;
  return GetClassInfoW(GetModuleHandleW(nullptr), name, &info) != FALSE;
}

// Everything written to the process's standard error stream while `action` runs.
std::string standardErrorOf(const std::function<void()>& action) {
  wchar_t directory[MAX_PATH], path[MAX_PATH];
  GetTempPathW(MAX_PATH, directory);
  GetTempFileNameW(directory, L"phe", 0, path);
  std::fflush(stderr);
  const int saved = _dup(2);
  const int file = _wopen(path, _O_WRONLY | _O_TRUNC | _O_BINARY);
  _dup2(file, 2);
  _close(file);
  action();
  std::fflush(stderr);
  _dup2(saved, 2);
  _close(saved);
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  in.close();
  DeleteFileW(path);
  return text.str();
}

}  // namespace

TEST(CreateWindowHandle, MakesAHiddenWindowOfTheClassAndStyle) {
  TestWindow owner;
  HostWindow* window = createWindow(owner.hwnd(), L"PanehostClassA", L"Title A", 0, 0, nullptr);
  ASSERT_NE(nullptr, window);
  const HWND hwnd = createWindowHandle(window, 120, 130, 300, 200);
  ASSERT_NE(nullptr, hwnd);

  WNDCLASSW info{};
  ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), L"PanehostClassA", &info))
      << "registered under the executable's instance";
  EXPECT_EQ(static_cast<UINT>(CS_HREDRAW | CS_VREDRAW), info.style);
  EXPECT_EQ(0, info.cbClsExtra);
  EXPECT_EQ(0, info.cbWndExtra);
  EXPECT_EQ(nullptr, info.hIcon);
  EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), info.hCursor);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)), info.hbrBackground);
  EXPECT_EQ(GetModuleHandleW(nullptr), reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)));

  EXPECT_EQ(kWindowStyle, GetWindowLongW(hwnd, GWL_STYLE) & ~WS_CLIPSIBLINGS) << "hidden, no caption";
  EXPECT_EQ(WS_EX_APPWINDOW, GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW) << "an owned window stays in the taskbar";
  EXPECT_EQ(owner.hwnd(), GetWindow(hwnd, GW_OWNER));
  wchar_t title[32] = {};
  GetWindowTextW(hwnd, title, 32);
  EXPECT_STREQ(L"Title A", title);
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(120, r.left);
  EXPECT_EQ(130, r.top);
  EXPECT_EQ(300, r.right - r.left);
  EXPECT_EQ(200, r.bottom - r.top);

  EXPECT_EQ(hwnd, createWindowHandle(window, 0, 0, 50, 50)) << "second call returns the same window";
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(120, r.left) << "and leaves it where it was";
  EXPECT_EQ(300, r.right - r.left);
  destroyWindow(window);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(classExists(L"PanehostClassA"));
}

TEST(CreateWindowHandle, WithoutOwnerHasNoAppWindowStyle) {
  HostWindow* window = createWindow(nullptr, L"PanehostClassB", L"B", 0, 0, nullptr);
  const HWND hwnd = createWindowHandle(window, 0, 0, 100, 100);
  ASSERT_NE(nullptr, hwnd);
  EXPECT_EQ(0, GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  destroyWindow(window);
}

TEST(CreateWindow, RefusesMissingNames) {
  EXPECT_EQ(nullptr, createWindow(nullptr, nullptr, L"title", 0, 0, nullptr));
  EXPECT_EQ(nullptr, createWindow(nullptr, L"class", nullptr, 0, 0, nullptr));
}

TEST(DestroyWindow, OnlyTheRegisteringObjectUnregistersASharedClass) {
  for (bool registeringFirst : {true, false}) {
    SCOPED_TRACE(registeringFirst ? "registering object destroyed first" : "sharing object destroyed first");
    HostWindow* registering = createWindow(nullptr, L"PanehostShared", L"1", 0, 0, nullptr);
    HostWindow* sharing = createWindow(nullptr, L"PanehostShared", L"2", 0, 0, nullptr);
    ASSERT_NE(nullptr, createWindowHandle(registering, 0, 0, 100, 100));
    ASSERT_NE(nullptr, createWindowHandle(sharing, 0, 0, 100, 100)) << "the existing class is used";
    if (registeringFirst) {
      destroyWindow(registering);  // fails to unregister: the other window still uses the class
      EXPECT_TRUE(classExists(L"PanehostShared"));
      destroyWindow(sharing);
      EXPECT_TRUE(classExists(L"PanehostShared")) << "the sharing object never unregisters";
      UnregisterClassW(L"PanehostShared", GetModuleHandleW(nullptr));
    } else {
      destroyWindow(sharing);
      EXPECT_TRUE(classExists(L"PanehostShared"));
      destroyWindow(registering);
      EXPECT_FALSE(classExists(L"PanehostShared"));
    }
  }
}

TEST(MessageFunction, SeesNoCreationPaintOrFlashTimerAndEndsWithNcDestroy) {
  clearSeen();
  HostWindow* window = createWindow(nullptr, L"PanehostCallback", L"C", 0, 0, recordingCallback);
  const HWND hwnd = createWindowHandle(window, 0, 0, 200, 150);
  ASSERT_NE(nullptr, hwnd);
  EXPECT_TRUE(seenMessages().empty()) << "nothing sent before CreateWindowExW returned";

  ShowWindow(hwnd, SW_SHOWNA);
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
  SendMessageW(hwnd, WM_TIMER, kFlashTimer, 0);
  SendMessageW(hwnd, WM_TIMER, 2, 0);
  SendMessageW(hwnd, WM_APP, 5, 6);
  EXPECT_FALSE(sawMessage(WM_PAINT));
  EXPECT_FALSE(sawMessage(WM_TIMER, kFlashTimer));
  EXPECT_TRUE(sawMessage(WM_TIMER, 2)) << "other timers are the client's";
  EXPECT_TRUE(sawMessage(WM_APP, 5));
  EXPECT_TRUE(sawMessage(WM_SHOWWINDOW));

  destroyWindow(window);
  const auto all = seenMessages();
  EXPECT_FALSE(sawMessage(WM_NCCREATE));
  EXPECT_FALSE(sawMessage(WM_CREATE));
  EXPECT_TRUE(sawMessage(WM_DESTROY));
  ASSERT_FALSE(all.empty());
  EXPECT_EQ(static_cast<UINT>(WM_NCDESTROY), all.back().message) << "and nothing after it";
  for (const auto& m : all) EXPECT_EQ(hwnd, m.hwnd);
}

TEST(MessageFunction, WithoutOneTheWindowIsAPlainGreyWindow) {
  HostWindow* window = createWindow(nullptr, L"PanehostGrey", L"grey title", 0, 0, nullptr);
  const HWND hwnd = createWindowHandle(window, 50, 50, 120, 80);
  ASSERT_NE(nullptr, hwnd);
  wchar_t title[32] = {};
  EXPECT_EQ(10, SendMessageW(hwnd, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(title))) << "DefWindowProcW answers";
  EXPECT_STREQ(L"grey title", title);
  ShowWindow(hwnd, SW_SHOWNA);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(hwnd);
  const COLORREF pixel = GetPixel(dc, 30, 30);
  ReleaseDC(hwnd, dc);
  EXPECT_EQ(RGB(128, 128, 128), pixel) << std::hex << "pixel 0x" << pixel;
  destroyWindow(window);
}

TEST(RunWindowMessageLoop, OnTheWrongThreadWritesTheMessageAndReturns) {
  const std::string expected = "The methods of Create and DoMessageLoop must be in the same thread\n";
  HostWindow* made = createWindow(nullptr, L"PanehostLoopA", L"A", 0, 0, nullptr);
  EXPECT_EQ(expected, standardErrorOf([&] { runWindowMessageLoop(made); })) << "before createWindowHandle";
  destroyWindow(made);

  HostWindow* window = createWindow(nullptr, L"PanehostLoopB", L"B", 0, 0, nullptr);
  ASSERT_NE(nullptr, createWindowHandle(window, 0, 0, 100, 100));
  EXPECT_EQ(expected, standardErrorOf([&] {
              auto other = std::async(std::launch::async, [&] { runWindowMessageLoop(window); });
              EXPECT_EQ(std::future_status::ready, other.wait_for(std::chrono::milliseconds(kWaitMs)));
            }))
      << "on another thread";
  destroyWindow(window);
}

TEST(RunWindowMessageLoop, DispatchesUntilAPostedQuit) {
  clearSeen();
  std::promise<HWND> created;
  auto hwndFuture = created.get_future();
  auto loop = std::async(std::launch::async, [&] {
    HostWindow* window = createWindow(nullptr, L"PanehostLoopC", L"C", 0, 0, recordingCallback);
    created.set_value(createWindowHandle(window, 0, 0, 100, 100));
    runWindowMessageLoop(window);
    destroyWindow(window);
  });
  const HWND hwnd = hwndFuture.get();
  ASSERT_NE(nullptr, hwnd);
  PostMessageW(hwnd, WM_APP + 1, 11, 12);
  PostMessageW(hwnd, WM_QUIT, 0, 0);
  ASSERT_EQ(std::future_status::ready, loop.wait_for(std::chrono::milliseconds(kWaitMs))) << "the loop ended";
  EXPECT_TRUE(sawMessage(WM_APP + 1, 11)) << "posted messages were dispatched";
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST(DestroyWindow, NullAndNeverCreatedObjectsTouchNothing) {
  destroyWindow(nullptr);
  // A class of the same name that someone else registered must survive.
  WNDCLASSW foreign{};
  foreign.lpfnWndProc = DefWindowProcW;
  foreign.hInstance = GetModuleHandleW(nullptr);
  foreign.lpszClassName = L"PanehostForeign";
  ASSERT_TRUE(RegisterClassW(&foreign));
  destroyWindow(createWindow(nullptr, L"PanehostForeign", L"never created", 0, 0, nullptr));
  EXPECT_TRUE(classExists(L"PanehostForeign"));
  UnregisterClassW(L"PanehostForeign", GetModuleHandleW(nullptr));
}

TEST(DestroyWindow, OnAnotherThreadLeavesTheLivingWindowToItsOwner) {
  clearSeen();
  UiThread owner;
  HostWindow* window = owner.run([] { return createWindow(nullptr, L"PanehostOwned", L"O", 0, 0, recordingCallback); });
  const HWND hwnd = owner.run([&] { return createWindowHandle(window, 0, 0, 100, 100); });
  ASSERT_NE(nullptr, hwnd);

  destroyWindow(window);
  EXPECT_TRUE(IsWindow(hwnd)) << "refused on a thread other than the owner";
  SendMessageW(hwnd, WM_APP + 2, 0, 0);
  EXPECT_TRUE(sawMessage(WM_APP + 2)) << "the object is still alive and serving its window";

  owner.run([&] { destroyWindow(window); });
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(sawMessage(WM_NCDESTROY));
}

TEST(DestroyWindow, AfterTheOwnerThreadEndedFreesTheObjectAnywhere) {
  HostWindow* window = nullptr;
  HWND hwnd = nullptr;
  std::thread([&] {
    window = createWindow(nullptr, L"PanehostOrphan", L"O", 0, 0, recordingCallback);
    hwnd = createWindowHandle(window, 0, 0, 100, 100);
  }).join();
  ASSERT_NE(nullptr, hwnd);
  ASSERT_FALSE(IsWindow(hwnd)) << "the system destroyed the window with its thread";
  destroyWindow(window);  // frees the object; nothing left to destroy
}

TEST(CustomFrame, AttachesTheNewWindowWithResizeZonesAndNoCaption) {
  struct Case {
    int resizable;
    LRESULT nearLeftEdge;
  };
  for (const Case c : {Case{1, HTLEFT}, Case{0, HTCLIENT}}) {
    SCOPED_TRACE(c.resizable ? "resizable" : "fixed");
    clearSeen();
    HostWindow* window = createWindow(nullptr, L"PanehostFramed", L"F", 1, c.resizable, recordingCallback);
    const HWND hwnd = createWindowHandle(window, 100, 100, 300, 200);
    ASSERT_NE(nullptr, hwnd);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(c.nearLeftEdge, SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(104, 150)));
    EXPECT_EQ(HTCLIENT, SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(200, 105))) << "no caption area";
    EXPECT_EQ(0, SendMessageW(hwnd, WM_NCLBUTTONDBLCLK, HTCAPTION, 0));
    EXPECT_FALSE(sawMessage(WM_NCLBUTTONDBLCLK)) << "double clicks swallowed";
    destroyWindow(window);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(sawMessage(WM_NCDESTROY));
    EXPECT_FALSE(sawMessage(WM_SHOWWINDOW, TRUE)) << "the hidden window is not shown on its way out";
  }
}
