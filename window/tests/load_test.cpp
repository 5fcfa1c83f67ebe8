// panehost loaded and unloaded at run time, as the Java client does it; this program does not
// link the DLL, so loading it here runs its entry for real.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using GetDpiForWindowExport = uint32_t (*)(HWND);

template <typename Function>
Function lookUp(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class ScratchWindow {
 public:
  ScratchWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"panehost load", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}
  ~ScratchWindow() { DestroyWindow(window_); }
  HWND get() const { return window_; }

 private:
  HWND window_;
};

TEST(PanehostLibrary, LoadsAnswersThroughItsLibrariesAndUnloadsCleanly) {
  const bool shellScalingWasLoaded = GetModuleHandleW(L"shcore.dll") != nullptr;
  ScratchWindow window;
  ASSERT_NE(window.get(), nullptr);

  // Twice: the second load must set the library state up again after the first unload.
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round);
    HMODULE library = LoadLibraryW(L"panehost.dll");
    ASSERT_NE(library, nullptr) << "LoadLibraryW failed with " << GetLastError();
    if (!shellScalingWasLoaded) {
      EXPECT_NE(GetModuleHandleW(L"shcore.dll"), nullptr) << "process attach did not load SHCore";
    }

    auto getDpi = lookUp<GetDpiForWindowExport>(library, "getDpiForWindow");
    ASSERT_NE(getDpi, nullptr) << "getDpiForWindow is not exported under its plain name";
    EXPECT_NE(lookUp<void (*)()>(library, "copyImageToClipboard"), nullptr);
    // Only a library whose process attach loaded User32 answers with a real DPI.
    EXPECT_EQ(getDpi(window.get()), GetDpiForWindow(window.get()));
    EXPECT_GT(getDpi(window.get()), 0u);

    ASSERT_TRUE(FreeLibrary(library));
    EXPECT_EQ(GetModuleHandleW(L"panehost.dll"), nullptr) << "the DLL stayed loaded";
    if (!shellScalingWasLoaded) {
      EXPECT_EQ(GetModuleHandleW(L"shcore.dll"), nullptr) << "process detach did not free SHCore";
    }
  }
}

}  // namespace
