// Both frame modes, whatever the system offers: the desktop's answers come from the test.

#include "frame_system.h"
#include "panehost.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <vector>

using namespace panehost_test;

namespace {

constexpr LONG kPlainFrameStyle = static_cast<LONG>(0x820F0000u);
constexpr LONG kDropShadowFrameStyle = static_cast<LONG>(0x82CF0000u);

struct Extension {
  HWND hwnd;
  MARGINS margins;
};

std::atomic<bool> dropShadowWanted{false};
std::mutex extensionsMutex;
std::vector<Extension> extensions;

bool wanted() { return dropShadowWanted; }
void recordExtension(HWND hwnd, const MARGINS& margins) {
  std::lock_guard<std::mutex> lock(extensionsMutex);
  extensions.push_back({hwnd, margins});
}
const panehost::FrameSystem kTestSystem{wanted, recordExtension};

int CALLBACK noCaption(int, int, int, int, int, int) { return 0; }

bool margins(const Extension& e, int all) {
  return e.margins.cxLeftWidth == all && e.margins.cxRightWidth == all && e.margins.cyTopHeight == all &&
         e.margins.cyBottomHeight == all;
}

class FrameMode : public ::testing::Test {
 protected:
  void SetUp() override {
    panehost::setFrameSystemForTesting(&kTestSystem);
    extensions.clear();
  }
  void TearDown() override { panehost::setFrameSystemForTesting(nullptr); }

  static LRESULT forwardedAnswer(HWND h, UINT m, WPARAM w, LPARAM l) {
    return m == WM_NCPAINT || m == WM_NCACTIVATE ? 4242 : DefWindowProcW(h, m, w, l);
  }
};

bool received(const TestWindow& window, UINT message) {
  for (const auto& m : window.received())
    if (m.message == message) return true;
  return false;
}

}  // namespace

TEST_F(FrameMode, DropShadowAttachUsesTheCaptionedStyleAndExtendsTheFrame) {
  dropShadowWanted = true;
  TestWindow window(WS_OVERLAPPEDWINDOW, nullptr, {100, 100, 400, 300}, forwardedAnswer);
  ASSERT_EQ(1, attach(window.hwnd(), noCaption, 5, 1));
  EXPECT_EQ(kDropShadowFrameStyle, GetWindowLongW(window.hwnd(), GWL_STYLE) & ~WS_CLIPSIBLINGS);
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
  ASSERT_EQ(1u, extensions.size());
  EXPECT_EQ(window.hwnd(), extensions[0].hwnd);
  EXPECT_TRUE(margins(extensions[0], 1));

  EXPECT_EQ(4242, SendMessageW(window.hwnd(), WM_NCPAINT, 1, 0)) << "the extended frame paints itself";
  EXPECT_EQ(4242, SendMessageW(window.hwnd(), WM_NCACTIVATE, 1, 0));
  EXPECT_TRUE(received(window, WM_NCPAINT));

  extensions.clear();
  detach(window.hwnd());
  ASSERT_EQ(1u, extensions.size()) << "detach takes the extension back";
  EXPECT_TRUE(margins(extensions[0], 0));
}

TEST_F(FrameMode, PlainAttachNeverExtends) {
  dropShadowWanted = false;
  TestWindow window;
  ASSERT_EQ(1, attach(window.hwnd(), noCaption, 5, 1));
  EXPECT_EQ(kPlainFrameStyle, GetWindowLongW(window.hwnd(), GWL_STYLE) & ~WS_CLIPSIBLINGS);
  detach(window.hwnd());
  EXPECT_TRUE(extensions.empty());
}

TEST_F(FrameMode, SettingChangeSwitchesModesAndShowsTheWindow) {
  struct Case {
    const char* what;
    bool before, after;
    LONG style;
    int extensionMargins;  // -1: no extension call
    bool shown;
  };
  const Case cases[] = {
      {"plain to drop shadow", false, true, kDropShadowFrameStyle, 1, true},
      {"drop shadow to plain", true, false, kPlainFrameStyle, 0, true},
      {"stays plain", false, false, kPlainFrameStyle, -1, false},
      {"stays drop shadow", true, true, kDropShadowFrameStyle, -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dropShadowWanted = c.before;
    TestWindow window;
    ASSERT_EQ(1, attach(window.hwnd(), noCaption, 5, 1));
    extensions.clear();
    window.clearReceived();
    dropShadowWanted = c.after;
    SendMessageW(window.hwnd(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(c.style, GetWindowLongW(window.hwnd(), GWL_STYLE) & ~(WS_VISIBLE | WS_CLIPSIBLINGS));
    EXPECT_EQ(c.shown, IsWindowVisible(window.hwnd() ) != FALSE);
    EXPECT_TRUE(received(window, WM_SETTINGCHANGE)) << "forwarded in every case";
    if (c.extensionMargins < 0) {
      EXPECT_TRUE(extensions.empty());
    } else {
      ASSERT_EQ(1u, extensions.size());
      EXPECT_TRUE(margins(extensions[0], c.extensionMargins));
    }
    // The switched mode is what detach undoes.
    extensions.clear();
    detach(window.hwnd());
    EXPECT_EQ(c.after ? 1u : 0u, extensions.size());
  }
}
