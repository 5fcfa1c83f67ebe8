// copyImageToClipboard against Wine's GDI+ and clipboard: what another program reads back.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "panehost.h"
#include "png_writer.h"

namespace {

using panehost_test::Rgba;

class TempFiles {
 public:
  TempFiles() {
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    base_ = std::wstring(directory) + L"panehost-clipboard-" + std::to_wstring(GetCurrentProcessId()) + L"-";
  }
  ~TempFiles() {
    for (const std::wstring& path : made_) {
      DeleteFileW(path.c_str());
    }
  }
  std::wstring write(const std::wstring& name, const std::string& bytes) {
    const std::wstring path = pathOf(name);
    std::ofstream(path.c_str(), std::ios::binary) << bytes;
    made_.push_back(path);
    return path;
  }
  std::wstring pathOf(const std::wstring& name) const { return base_ + name; }
  void remember(const std::wstring& path) { made_.push_back(path); }

 private:
  std::wstring base_;
  std::vector<std::wstring> made_;
};

class OpenClipboardForTest {
 public:
  OpenClipboardForTest() : open_(OpenClipboard(nullptr) != FALSE) {}
  ~OpenClipboardForTest() {
    if (open_) {
      CloseClipboard();
    }
  }
  bool open() const { return open_; }

 private:
  bool open_;
};

UINT firstClipboardFormat() {
  OpenClipboardForTest clipboard;
  return clipboard.open() ? EnumClipboardFormats(0) : 0;
}

std::vector<uint8_t> clipboardBlock(UINT format) {
  OpenClipboardForTest clipboard;
  HANDLE data = clipboard.open() ? GetClipboardData(format) : nullptr;
  if (data == nullptr) {
    return {};
  }
  const auto* bytes = static_cast<const uint8_t*>(GlobalLock(data));
  std::vector<uint8_t> copy(bytes, bytes + GlobalSize(data));
  GlobalUnlock(data);
  return copy;
}

bool putText(const std::wstring& text) {
  OpenClipboardForTest clipboard;
  if (!clipboard.open() || !EmptyClipboard()) {
    return false;
  }
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(block), text.c_str(), bytes);
  GlobalUnlock(block);
  return SetClipboardData(CF_UNICODETEXT, block) != nullptr;
}

std::wstring clipboardText() {
  OpenClipboardForTest clipboard;
  HANDLE data = clipboard.open() ? GetClipboardData(CF_UNICODETEXT) : nullptr;
  if (data == nullptr) {
    return L"<no text>";
  }
  std::wstring text(static_cast<const wchar_t*>(GlobalLock(data)));
  GlobalUnlock(data);
  return text;
}

// A JPEG made by the system's own encoder from a bitmap without alpha.
bool writeJpeg(const std::wstring& path, int width, int height) {
  namespace gdip = Gdiplus::DllExports;
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) {
    return false;
  }
  Gdiplus::GpBitmap* bitmap = nullptr;
  bool saved = false;
  if (gdip::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat24bppRGB, nullptr, &bitmap) == Gdiplus::Ok) {
    const CLSID jpegEncoder = {0x557CF401, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    saved = gdip::GdipSaveImageToFile(bitmap, path.c_str(), &jpegEncoder, nullptr) == Gdiplus::Ok;
    gdip::GdipDisposeImage(bitmap);
  }
  Gdiplus::GdiplusShutdown(token);
  return saved;
}

uint32_t word32(const std::vector<uint8_t>& block, std::size_t offset) {
  uint32_t value = 0;
  std::memcpy(&value, block.data() + offset, sizeof value);
  return value;
}

class ClipboardImage : public ::testing::Test {
 protected:
  TempFiles files_;
};

TEST_F(ClipboardImage, PngWithAlphaArrivesAsDibV5WithPremultipliedPixelsBottomRowFirst) {
  const std::vector<Rgba> pixels = {
      {255, 0, 0, 255}, {0, 255, 0, 128}, {0, 0, 255, 0},        // top row
      {255, 255, 255, 128}, {0, 0, 0, 255}, {255, 0, 255, 255},  // bottom row
  };
  const std::wstring path = files_.write(L"alpha.png", panehost_test::encodePng(3, 2, pixels));

  ASSERT_TRUE(copyImageToClipboard(path.c_str()));
  EXPECT_EQ(firstClipboardFormat(), static_cast<UINT>(CF_DIBV5)) << "the format placed, not one synthesised";
  const std::vector<uint8_t> block = clipboardBlock(CF_DIBV5);
  ASSERT_EQ(block.size(), 124u + 3 * 2 * 4);

  BITMAPV5HEADER header;
  std::memcpy(&header, block.data(), sizeof header);
  struct Member {
    const char* name;
    uint64_t seen;
    uint64_t expected;
  };
  const Member members[] = {
      {"bV5Size", header.bV5Size, 124},
      {"bV5Width", static_cast<uint64_t>(header.bV5Width), 3},
      {"bV5Height", static_cast<uint64_t>(header.bV5Height), 2},
      {"bV5Planes", header.bV5Planes, 1},
      {"bV5BitCount", header.bV5BitCount, 32},
      {"bV5Compression", header.bV5Compression, 3},
      {"bV5SizeImage", header.bV5SizeImage, 24},
      {"bV5XPelsPerMeter", static_cast<uint64_t>(header.bV5XPelsPerMeter), 0},
      {"bV5YPelsPerMeter", static_cast<uint64_t>(header.bV5YPelsPerMeter), 0},
      {"bV5ClrUsed", header.bV5ClrUsed, 0},
      {"bV5ClrImportant", header.bV5ClrImportant, 0},
      {"bV5RedMask", header.bV5RedMask, 0x00FF0000},
      {"bV5GreenMask", header.bV5GreenMask, 0x0000FF00},
      {"bV5BlueMask", header.bV5BlueMask, 0x000000FF},
      {"bV5AlphaMask", header.bV5AlphaMask, 0xFF000000},
      {"bV5CSType", header.bV5CSType, 0x73524742},
      {"bV5GammaRed", header.bV5GammaRed, 0},
      {"bV5GammaGreen", header.bV5GammaGreen, 0},
      {"bV5GammaBlue", header.bV5GammaBlue, 0},
      {"bV5Intent", header.bV5Intent, 4},
      {"bV5ProfileData", header.bV5ProfileData, 0},
      {"bV5ProfileSize", header.bV5ProfileSize, 0},
      {"bV5Reserved", header.bV5Reserved, 0},
  };
  for (const Member& m : members) {
    EXPECT_EQ(m.seen, m.expected) << m.name;
  }
  const CIEXYZTRIPLE noEndpoints{};
  EXPECT_EQ(std::memcmp(&header.bV5Endpoints, &noEndpoints, sizeof noEndpoints), 0) << "bV5Endpoints";

  // 0xAARRGGBB, colours multiplied by alpha; the bottom row of the image comes first.
  const uint32_t expected[] = {0x80808080, 0xFF000000, 0xFFFF00FF,
                               0xFFFF0000, 0x80008000, 0x00000000};
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(word32(block, 124 + i * 4), expected[i]) << "pixel " << i << " of the block";
  }
}

TEST_F(ClipboardImage, OnePixelImageGivesA128ByteBlock) {
  const std::wstring path = files_.write(L"one.png", panehost_test::encodePng(1, 1, {{0, 0, 255, 255}}));

  ASSERT_TRUE(copyImageToClipboard(path.c_str()));
  const std::vector<uint8_t> block = clipboardBlock(CF_DIBV5);
  ASSERT_EQ(block.size(), 128u);
  EXPECT_EQ(word32(block, 124), 0xFF0000FFu);
}

TEST_F(ClipboardImage, JpegArrivesAsDeviceDependentBitmap) {
  const std::wstring path = files_.pathOf(L"photo.jpg");
  files_.remember(path);
  ASSERT_TRUE(writeJpeg(path, 5, 3));

  ASSERT_TRUE(copyImageToClipboard(path.c_str()));
  EXPECT_EQ(firstClipboardFormat(), static_cast<UINT>(CF_BITMAP));
  OpenClipboardForTest clipboard;
  ASSERT_TRUE(clipboard.open());
  HANDLE bitmap = GetClipboardData(CF_BITMAP);
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  ASSERT_NE(GetObjectW(bitmap, sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 5);
  EXPECT_EQ(info.bmHeight, 3);
}

TEST_F(ClipboardImage, UnusableFileGivesFalseAndLeavesTheClipboardAsItWas) {
  const std::string png = panehost_test::encodePng(2, 2, std::vector<Rgba>(4, Rgba{1, 2, 3, 4}));
  struct Case {
    const char* what;
    std::wstring path;
  };
  const Case cases[] = {
      {"missing file", files_.pathOf(L"does-not-exist.png")},
      {"empty file", files_.write(L"empty.png", "")},
      {"not an image", files_.write(L"text.png", "just some text, no picture in here")},
      {"truncated PNG", files_.write(L"cut.png", png.substr(0, png.size() / 2))},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(putText(L"kept: " + std::wstring(c.what, c.what + std::strlen(c.what)))) << c.what;
    EXPECT_FALSE(copyImageToClipboard(c.path.c_str())) << c.what;
    EXPECT_EQ(clipboardText(), L"kept: " + std::wstring(c.what, c.what + std::strlen(c.what))) << c.what;
  }
  EXPECT_FALSE(copyImageToClipboard(nullptr)) << "no path at all";
}

}  // namespace
