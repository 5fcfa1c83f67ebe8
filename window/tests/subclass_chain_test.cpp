// The custom frame, the input hook and a third party's subclass on one window, done and undone
// in many orders. Built with the sources in, to see the library's records as well.

#include "frame.h"
#include "input_hook.h"
#include "panehost.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <string>

using namespace panehost_test;

namespace {

constexpr int kOffset = 0x8000;
constexpr UINT kProbe = WM_APP + 1;
constexpr LRESULT kOwnProbeAnswer = 77;
constexpr LRESULT kOwnHitTestAnswer = 55;

WNDPROC procedureOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)); }

int CALLBACK noCaption(int, int, int, int, int, int) { return 0; }

// Subclasses the way most code does: saves what it replaced, calls it, and puts it back when
// it leaves, which it can only do while it is the window's current procedure.
struct ThirdParty {
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe) ++seen;
    return CallWindowProcW(saved, hwnd, message, wParam, lParam);
  }
  static WNDPROC saved;
  static int seen;
};
WNDPROC ThirdParty::saved = nullptr;
int ThirdParty::seen = 0;

// What the window should be, step by step.
struct Expected {
  bool attached = false;
  bool hooked = false;
  bool thirdParty = false;
};

// A: attach, D: detach, H: hook, U: unhook, S: the third party subclasses, R: it leaves.
void apply(char step, HWND hwnd, HWND target, Expected& expected) {
  switch (step) {
    case 'A':
      ASSERT_EQ(1, attach(hwnd, noCaption, 5, 1));
      expected.attached = true;
      break;
    case 'D':
      detach(hwnd);
      expected.attached = false;
      break;
    case 'H':
      ASSERT_EQ(1, hookChildWindowInput(target, hwnd, kOffset));
      expected.hooked = true;
      break;
    case 'U':
      unhookChildWindowInput(hwnd);
      expected.hooked = false;
      break;
    case 'S':
      ThirdParty::saved = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ThirdParty::procedure)));
      expected.thirdParty = true;
      break;
    case 'R':
      ASSERT_EQ(&ThirdParty::procedure, procedureOf(hwnd)) << "the table lets the third party leave only from the top";
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ThirdParty::saved));
      expected.thirdParty = false;
      break;
    default:
      FAIL() << "unknown step " << step;
  }
}

// Every message reaches the window's own procedure; the frame answers its edge exactly while
// attached, the target gets copies exactly while hooked, the third party sees what it should.
void expectWorkingChain(HWND hwnd, HWND target, const Expected& expected) {
  const int seenBefore = ThirdParty::seen;
  EXPECT_EQ(kOwnProbeAnswer, SendMessageW(hwnd, kProbe, 0, 0)) << "the window's own procedure answers";
  EXPECT_EQ(expected.thirdParty ? seenBefore + 1 : seenBefore, ThirdParty::seen) << "the third party";
  RECT r;
  GetWindowRect(hwnd, &r);
  const LRESULT edge = SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + 1, r.top + 50));
  EXPECT_EQ(expected.attached ? HTLEFT : kOwnHitTestAnswer, edge) << "the frame's resize zone";
  const auto copies = takePosted(target, kOffset + kProbe, kOffset + kProbe);
  EXPECT_EQ(expected.hooked ? 1u : 0u, copies.size()) << "copies of the probe at the target";
  takePosted(target, kOffset, kOffset + 0xFFFF);
}

TEST(SubclassChain, AnyOrderOfAttachHookAndAThirdPartyKeepsTheWindowWorking) {
  const char* const sequences[] = {
      "AHDU", "AHUD", "HADU", "HAUD",  // the two of ours, undone in either order
      "ASDR", "HSUR",                  // undone under a third party, which leaves later
      "ASHDUR", "ASHUDR", "HSAUDR", "HSADUR", "SAHDUR", "AHSDUR", "AHSUDR",
      "ASDADR", "HSUHUR",  // done again while only passing messages on
      "AHDAUD", "HAUHDU",  // done again while the other one sits above
      "ASRD", "AD", "HU",  // plain undoing
      "AH", "ASD", "HSU",  // the window is destroyed with records still kept
  };
  for (const char* sequence : sequences) {
    SCOPED_TRACE(std::string("sequence ") + sequence);
    TestWindow target;
    auto window = std::make_unique<TestWindow>(WS_POPUP, nullptr, RECT{100, 100, 400, 300},
                                               [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                                                 if (m == kProbe) return kOwnProbeAnswer;
                                                 if (m == WM_NCHITTEST) return kOwnHitTestAnswer;
                                                 return DefWindowProcW(h, m, w, l);
                                               });
    const HWND hwnd = window->hwnd();
    Expected expected;
    for (const char* step = sequence; *step; ++step) {
      SCOPED_TRACE(std::string("after step ") + *step);
      apply(*step, hwnd, target.hwnd(), expected);
      if (HasFatalFailure()) return;
      expectWorkingChain(hwnd, target.hwnd(), expected);
    }
    // A record left passing messages on stays only while someone above it holds it in the
    // chain; with everyone gone, the messages above took it out.
    if (!expected.attached && !expected.hooked && !expected.thirdParty) {
      EXPECT_EQ(TestWindow::classProcedure(), procedureOf(hwnd)) << "nothing of ours is left in the chain";
      EXPECT_FALSE(panehost::hasFrameRecordForTesting(hwnd));
      EXPECT_FALSE(panehost::hasInputHookRecordForTesting(hwnd));
    }
    window.reset();
    EXPECT_FALSE(panehost::hasFrameRecordForTesting(hwnd)) << "a destroyed window keeps no frame record";
    EXPECT_FALSE(panehost::hasInputHookRecordForTesting(hwnd)) << "nor an input-hook record";
  }
}

// The client's default processing destroys a custom-frame window that the user closed; the
// handle value may come back with a new window, which attach must subclass.
TEST(SubclassChain, AWindowClosedByTheSystemLeavesNoRecords) {
  TestWindow target;
  TestWindow window(WS_POPUP);
  const HWND hwnd = window.hwnd();
  ASSERT_EQ(1, attach(hwnd, noCaption, 5, 1));
  ASSERT_EQ(1, hookChildWindowInput(target.hwnd(), hwnd, kOffset));
  SendMessageW(hwnd, WM_CLOSE, 0, 0);  // DefWindowProcW destroys the window
  ASSERT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(panehost::hasFrameRecordForTesting(hwnd));
  EXPECT_FALSE(panehost::hasInputHookRecordForTesting(hwnd));
}

}  // namespace
