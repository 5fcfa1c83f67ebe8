// Load on the window library: many window objects through their whole life, and subclassing
// undone and redone while other threads keep the window busy. Each test prints its figures.
// Built with the sources in, to count the library's records.

#include "frame.h"
#include "host_window.h"
#include "input_hook.h"
#include "panehost.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace panehost_test;

namespace {

constexpr int kOffset = 0x8000;
// Their copies at the hook target stay below 0x10000.
constexpr UINT kProbe = WM_USER + 1;
constexpr UINT kPosted = WM_USER + 2;
constexpr LRESULT kProbeAnswer = 42;

using Clock = std::chrono::steady_clock;
double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One line of figures per row, under a header naming the columns.
void printFigures(const char* title, const std::vector<std::pair<std::string, std::string>>& rows) {
  std::printf("[ figures  ] %s\n", title);
  for (const auto& row : rows) std::printf("[ figures  ]   %-34s %12s\n", row.first.c_str(), row.second.c_str());
  std::fflush(stdout);
}
std::string number(double value, int decimals = 0) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

WNDPROC procedureOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)); }
int CALLBACK noCaption(int, int, int, int, int, int) { return 0; }

bool classExists(const std::wstring& name) {
  WNDCLASSW info;
  return GetClassInfoW(GetModuleHandleW(nullptr), name.c_str(), &info) != FALSE;
}

std::atomic<int> probesAnswered{0};
LRESULT CALLBACK probeAnsweringCallback(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbe) {
    ++probesAnswered;
    return kProbeAnswer;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Wine may leave GetGuiResources unimplemented (it answers 0); the counts then say nothing.
struct GuiObjects {
  DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  bool known() const { return gdi != 0 || user != 0; }
};

// How the i-th window of the run is made and what is done to it. Every combination of frame,
// client attach, input hook and class sharing comes round many times.
struct Plan {
  bool customFrame;
  bool resizable;
  bool clientAttach;    // the client attaches a window of its own that has no custom frame
  bool clientDetaches;  // and detaches it again before destroyWindow
  bool hooked;
  bool sharesClass;  // uses the class of the window before it, which that window registered
  bool clientDestroys;  // the client destroys the native window itself before destroyWindow
};
Plan planFor(int i) {
  Plan plan{};
  plan.customFrame = i % 2 == 0;
  plan.resizable = i % 3 == 0;
  plan.clientAttach = !plan.customFrame && i % 4 == 1;
  plan.clientDetaches = plan.clientAttach && i % 8 == 1;
  plan.hooked = i % 3 != 2;
  plan.sharesClass = i % 10 == 9;
  plan.clientDestroys = i % 7 == 3;
  return plan;
}

}  // namespace

// A thousand window objects in waves of a hundred: made, given a native window (custom frame
// or not, with or without the client's own attach and an input hook), answering through the
// whole chain, and destroyed, some after the client destroyed their native window itself.
// Afterwards no record, class, window or brush of theirs is left.
TEST(PanehostStress, AThousandWindowObjectsFramedHookedAndDestroyedInWaves) {
  constexpr int kWindows = 1000;
  constexpr int kWave = 100;
  TestWindow target;
  const size_t framesBefore = panehost::frameRecordCountForTesting();
  const size_t hooksBefore = panehost::inputHookRecordCountForTesting();
  const GuiObjects objectsBefore;
  probesAnswered = 0;
  int attached = 0, hooked = 0, destroyedByClient = 0, copies = 0, peakFrames = 0, peakHooks = 0;
  double createMs = 0, destroyMs = 0;
  const auto start = Clock::now();

  for (int first = 0; first < kWindows; first += kWave) {
    struct Made {
      HostWindow* window;
      HWND hwnd;
      std::wstring className;
      HBRUSH brush;
      Plan plan;
    };
    std::vector<Made> wave;
    const auto createStart = Clock::now();
    for (int i = first; i < first + kWave; ++i) {
      const Plan plan = planFor(i);
      const std::wstring className = L"PanehostStress" + std::to_wstring(plan.sharesClass ? i - 1 : i);
      HostWindow* window = createWindow(nullptr, className.c_str(), L"stress", plan.customFrame, plan.resizable,
                                        probeAnsweringCallback);
      ASSERT_NE(nullptr, window) << "window " << i;
      const HWND hwnd = createWindowHandle(window, 10 + i % 50, 10 + i % 40, 200, 150);
      ASSERT_NE(nullptr, hwnd) << "window " << i;
      if (plan.clientAttach) {
        ASSERT_EQ(1, attach(hwnd, noCaption, 5, 0)) << "window " << i;
      }
      if (plan.hooked) {
        ASSERT_EQ(1, hookChildWindowInput(target.hwnd(), hwnd, kOffset)) << "window " << i;
      }
      attached += plan.customFrame || plan.clientAttach;
      hooked += plan.hooked;
      destroyedByClient += plan.clientDestroys;
      wave.push_back({window, hwnd, className, window->backgroundBrush.get(), plan});
    }
    createMs += millisecondsSince(createStart);
    peakFrames = std::max(peakFrames, static_cast<int>(panehost::frameRecordCountForTesting() - framesBefore));
    peakHooks = std::max(peakHooks, static_cast<int>(panehost::inputHookRecordCountForTesting() - hooksBefore));

    for (const Made& m : wave) {
      EXPECT_EQ(kProbeAnswer, SendMessageW(m.hwnd, kProbe, 0, 0)) << "the client's function answers through the chain";
      RECT r;
      GetWindowRect(m.hwnd, &r);
      const bool zones = (m.plan.customFrame && m.plan.resizable) || m.plan.clientAttach;
      const LRESULT edge = SendMessageW(m.hwnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + 1, r.top + 60));
      if (zones) {
        EXPECT_EQ(HTLEFT, edge);
      }
      if (m.plan.clientDetaches) detach(m.hwnd);
    }
    copies += static_cast<int>(takePosted(target.hwnd(), kOffset, kOffset + 0xFFFF).size());

    const auto destroyStart = Clock::now();
    for (const Made& m : wave) {
      if (m.plan.clientDestroys) DestroyWindow(m.hwnd);
      destroyWindow(m.window);
    }
    destroyMs += millisecondsSince(destroyStart);
    for (const Made& m : wave) {
      EXPECT_FALSE(IsWindow(m.hwnd));
      EXPECT_EQ(0u, GetObjectType(m.brush)) << "the background brush was deleted";
      EXPECT_FALSE(panehost::hasFrameRecordForTesting(m.hwnd));
      EXPECT_FALSE(panehost::hasInputHookRecordForTesting(m.hwnd));
    }
    // A shared class stays until its last window goes; the registering object's attempt
    // came too early, and the sharing one never unregisters.
    for (const Made& m : wave) {
      if (m.plan.sharesClass) UnregisterClassW(m.className.c_str(), GetModuleHandleW(nullptr));
    }
    for (const Made& m : wave) EXPECT_FALSE(classExists(m.className)) << "class left registered";
    ASSERT_EQ(framesBefore, panehost::frameRecordCountForTesting()) << "frame records after wave " << first / kWave;
    ASSERT_EQ(hooksBefore, panehost::inputHookRecordCountForTesting()) << "input-hook records";
  }
  copies += static_cast<int>(takePosted(target.hwnd(), kOffset, kOffset + 0xFFFF).size());
  const double totalMs = millisecondsSince(start);
  const GuiObjects objectsAfter;

  EXPECT_EQ(kWindows, probesAnswered.load());
  EXPECT_GE(copies, hooked) << "every hooked window's probe reached the target";
  if (objectsBefore.known()) {
    // Headroom for what the system caches on first use; a leak per window would be hundreds.
    EXPECT_LE(objectsAfter.gdi, objectsBefore.gdi + 16);
    EXPECT_LE(objectsAfter.user, objectsBefore.user + 16);
  }
  printFigures("window objects: made, created, framed/hooked, destroyed",
               {{"windows", number(kWindows)},
                {"waves (windows alive at once)", number(kWindows / kWave) + " x " + number(kWave)},
                {"with a frame record", number(attached)},
                {"hooked", number(hooked)},
                {"native window destroyed first", number(destroyedByClient)},
                {"peak frame / hook records", number(peakFrames) + " / " + number(peakHooks)},
                {"copies posted to the target", number(copies)},
                {"records left (frame / hook)",
                 number(static_cast<double>(panehost::frameRecordCountForTesting() - framesBefore)) + " / " +
                     number(static_cast<double>(panehost::inputHookRecordCountForTesting() - hooksBefore))},
                {"GDI / USER objects before", objectsBefore.known() ? number(objectsBefore.gdi) + " / " +
                                                                          number(objectsBefore.user)
                                                                    : "not reported"},
                {"GDI / USER objects after", objectsAfter.known() ? number(objectsAfter.gdi) + " / " +
                                                                        number(objectsAfter.user)
                                                                  : "not reported"},
                {"create + attach + hook, ms", number(createMs, 1)},
                {"destroyWindow, ms", number(destroyMs, 1)},
                {"total, ms", number(totalMs, 1)},
                {"per window, us", number(totalMs * 1000.0 / kWindows, 1)}});
}

namespace {

// The window under load: answers probes and hit tests itself and checks that posted messages
// arrive exactly once and in order.
struct BusyWindow {
  static constexpr LRESULT kOwnHitTest = 77;
  std::atomic<long> postedSeen{0};
  std::atomic<long> outOfOrder{0};
  std::atomic<DWORD> wrongThread{0};
  DWORD ownerThread = 0;
  std::unique_ptr<TestWindow> window;

  void create() {
    ownerThread = GetCurrentThreadId();
    window = std::make_unique<TestWindow>(
        WS_POPUP, nullptr, RECT{100, 100, 400, 300}, [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
          if (GetCurrentThreadId() != ownerThread) ++wrongThread;
          if (m == kProbe) return kProbeAnswer;
          if (m == WM_NCHITTEST) return kOwnHitTest;
          if (m == kPosted) {
            if (static_cast<long>(w) != postedSeen) ++outOfOrder;
            ++postedSeen;
            return 0;
          }
          return DefWindowProcW(h, m, w, l);
        });
  }
};

std::atomic<DWORD> hitTestThread{0};
int CALLBACK recordingThreadHitTest(int, int, int, int, int, int) {
  hitTestThread = GetCurrentThreadId();
  return 0;
}

// Our two subclasses done and undone in each order, both kept while the other sits above.
const char* const kOrders[] = {"AHDU", "AHUD", "HADU", "HAUD"};

}  // namespace

// The window lives on its own thread; one thread sends it probes and hit tests, another posts
// it numbered messages, while this thread (and every eighth round the window's own) attaches,
// hooks, detaches and unhooks it in every order. No message may miss the window's own
// procedure or get a dead record's answer, no posted one may be lost or reordered, and at the
// end the window's own procedure is back and the library keeps nothing for it.
TEST(PanehostStress, AttachDetachAndHookUnhookRaceMessagesFromOtherThreads) {
  constexpr int kRounds = 250;
  constexpr long kMaxPostedAhead = 500;  // keeps the window's queue short
  BusyWindow busy;
  UiThread ui;
  ui.run([&] { busy.create(); });
  const HWND hwnd = busy.window->hwnd();
  TestWindow target;
  const size_t framesBefore = panehost::frameRecordCountForTesting();
  const size_t hooksBefore = panehost::inputHookRecordCountForTesting();

  std::atomic<long> sent{0}, wrongProbe{0}, wrongHitTest{0}, posted{0}, postFailed{0};
  // Stopped and joined however the test ends.
  struct Threads {
    std::atomic<bool> stop{false};
    std::thread sender, poster;
    void join() {
      stop = true;
      if (sender.joinable()) sender.join();
      if (poster.joinable()) poster.join();
    }
    ~Threads() { join(); }
  } threads;
  std::atomic<bool>& stop = threads.stop;
  threads.sender = std::thread([&] {
    while (!stop) {
      if (SendMessageW(hwnd, kProbe, 0, 0) != kProbeAnswer) ++wrongProbe;
      RECT r;
      GetWindowRect(hwnd, &r);
      const LRESULT edge = SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + 1, r.top + 60));
      if (edge != HTLEFT && edge != BusyWindow::kOwnHitTest) ++wrongHitTest;
      sent += 2;
    }
  });
  threads.poster = std::thread([&] {
    while (!stop) {
      if (posted - busy.postedSeen >= kMaxPostedAhead) {
        std::this_thread::yield();
        continue;
      }
      if (PostMessageW(hwnd, kPosted, static_cast<WPARAM>(posted.load()), 0)) {
        ++posted;
      } else {
        ++postFailed;
        break;
      }
    }
  });

  hitTestThread = 0;
  long copies = 0;
  int ownThreadRounds = 0;
  const auto start = Clock::now();
  for (int round = 0; round < kRounds; ++round) {
    const char* order = kOrders[round % 4];
    const bool onOwnThread = round % 8 == 7;
    ownThreadRounds += onOwnThread;
    const auto steps = [&] {
      int failures = 0;
      for (const char* step = order; *step; ++step) {
        switch (*step) {
          case 'A': failures += attach(hwnd, recordingThreadHitTest, 5, 1) != 1; break;
          case 'H': failures += hookChildWindowInput(target.hwnd(), hwnd, kOffset) != 1; break;
          case 'D': detach(hwnd); break;
          case 'U': unhookChildWindowInput(hwnd); break;
        }
      }
      return failures;
    };
    const int failures = onOwnThread ? ui.run(steps) : steps();
    ASSERT_EQ(0, failures) << "round " << round << ", order " << order;
    copies += static_cast<long>(takePosted(target.hwnd(), kOffset, kOffset + 0xFFFF).size());
  }
  const double racingMs = millisecondsSince(start);
  // The senders must have been at work during the rounds, not only after them.
  const long sentBefore = sent;
  const ULONGLONG deadline = GetTickCount64() + kWaitMs;
  while (sent < sentBefore + 10 && GetTickCount64() < deadline) std::this_thread::yield();
  threads.join();
  // A record left passing messages on leaves the chain with the next message.
  EXPECT_EQ(kProbeAnswer, SendMessageW(hwnd, kProbe, 0, 0));
  const bool allPostedArrived = [&] {
    const ULONGLONG until = GetTickCount64() + kWaitMs;
    while (busy.postedSeen < posted && GetTickCount64() < until) std::this_thread::yield();
    return busy.postedSeen == posted;
  }();
  copies += static_cast<long>(takePosted(target.hwnd(), kOffset, kOffset + 0xFFFF).size());

  EXPECT_EQ(0, wrongProbe.load()) << "probes that missed the window's own procedure";
  EXPECT_EQ(0, wrongHitTest.load()) << "hit tests answered neither by the frame nor by the window";
  EXPECT_EQ(0, postFailed.load());
  EXPECT_TRUE(allPostedArrived) << busy.postedSeen << " of " << posted << " posted messages arrived";
  EXPECT_EQ(0, busy.outOfOrder.load()) << "posted messages lost, doubled or reordered";
  EXPECT_EQ(0u, busy.wrongThread.load()) << "the window's procedure ran on another thread";
  if (hitTestThread) {
    EXPECT_EQ(busy.ownerThread, hitTestThread.load()) << "the hit-test function runs on the window's thread";
  }
  EXPECT_GT(sent.load(), 10);
  EXPECT_EQ(TestWindow::classProcedure(), procedureOf(hwnd)) << "the window's own procedure is back";
  EXPECT_EQ(framesBefore, panehost::frameRecordCountForTesting());
  EXPECT_EQ(hooksBefore, panehost::inputHookRecordCountForTesting());

  printFigures("attach/detach and hook/unhook racing other threads' messages",
               {{"rounds (4 calls each)", number(kRounds)},
                {"of them on the window's own thread", number(ownThreadRounds)},
                {"messages sent from another thread", number(static_cast<double>(sent.load()))},
                {"messages posted from another thread", number(static_cast<double>(posted.load()))},
                {"posted messages arrived in order", number(static_cast<double>(busy.postedSeen.load()))},
                {"copies posted to the hook target", number(static_cast<double>(copies))},
                {"wrong answers / lost posts", number(static_cast<double>(wrongProbe + wrongHitTest)) + " / " +
                                                   number(static_cast<double>(posted - busy.postedSeen))},
                {"records left (frame / hook)",
                 number(static_cast<double>(panehost::frameRecordCountForTesting() - framesBefore)) + " / " +
                     number(static_cast<double>(panehost::inputHookRecordCountForTesting() - hooksBefore))},
                {"rounds, ms", number(racingMs, 1)},
                {"per round, us", number(racingMs * 1000.0 / kRounds, 1)}});
  ui.run([&] { busy.window.reset(); });
}
