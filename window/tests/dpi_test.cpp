// getDpiForWindow on a system that has GetDpiForWindow (Wine has it): always its answer.
#include <windows.h>

#include <gtest/gtest.h>

#include "panehost.h"

namespace {

HWND makeWindow(HWND parent, DWORD style) {
  return CreateWindowExW(0, L"STATIC", L"panehost dpi", style, 0, 0, 120, 80, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

TEST(PanehostDpi, AnswersWhatGetDpiForWindowAnswersForEveryKindOfHandle) {
  HWND topLevel = makeWindow(nullptr, WS_OVERLAPPEDWINDOW);
  ASSERT_NE(topLevel, nullptr);
  HWND child = makeWindow(topLevel, WS_CHILD | WS_VISIBLE);
  ASSERT_NE(child, nullptr);
  HWND destroyed = makeWindow(nullptr, WS_POPUP);
  ASSERT_TRUE(DestroyWindow(destroyed));

  struct Case {
    const char* what;
    HWND window;
    bool isWindow;
  };
  const Case cases[] = {
      {"top-level window", topLevel, true},
      {"child window", child, true},
      {"desktop window", GetDesktopWindow(), true},
      {"null handle", nullptr, false},
      {"destroyed window", destroyed, false},
      {"made-up handle", reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7654320)), false},
  };
  for (const Case& c : cases) {
    const UINT expected = GetDpiForWindow(c.window);
    // The comparison only means something if the system tells windows and non-windows apart.
    if (c.isWindow) {
      EXPECT_GT(expected, 0u) << c.what;
    } else {
      EXPECT_EQ(expected, 0u) << c.what;
    }
    EXPECT_EQ(getDpiForWindow(c.window), expected) << c.what;
  }
  DestroyWindow(topLevel);
}

}  // namespace
