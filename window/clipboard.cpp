// copyImageToClipboard: the image is decoded and its clipboard data built in full before the
// clipboard is opened, so a file that cannot be used leaves the user's clipboard untouched.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstring>

#include "dib_v5.h"
#include "panehost.h"

namespace panehost {
namespace {

namespace gdip = Gdiplus::DllExports;

constexpr Gdiplus::ARGB kBitmapBackground = 0x00FFFFFF;

class GdiplusSession {
 public:
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
  }
  ~GdiplusSession() {
    if (started_) {
      Gdiplus::GdiplusShutdown(token_);
    }
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  bool started() const { return started_; }

 private:
  ULONG_PTR token_ = 0;
  bool started_ = false;
};

class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_ != nullptr) {
      ReleaseDC(nullptr, dc_);
    }
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  bool valid() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

class GdipBitmap {
 public:
  explicit GdipBitmap(const wchar_t* path) {
    if (gdip::GdipCreateBitmapFromFile(path, &bitmap_) != Gdiplus::Ok) {
      reset();
    }
  }
  ~GdipBitmap() { reset(); }
  GdipBitmap(const GdipBitmap&) = delete;
  GdipBitmap& operator=(const GdipBitmap&) = delete;
  Gdiplus::GpBitmap* get() const { return bitmap_; }

 private:
  void reset() {
    if (bitmap_ != nullptr) {
      gdip::GdipDisposeImage(bitmap_);
      bitmap_ = nullptr;
    }
  }
  Gdiplus::GpBitmap* bitmap_ = nullptr;
};

class LockedPixels {
 public:
  LockedPixels(Gdiplus::GpBitmap* bitmap, UINT width, UINT height) : bitmap_(bitmap) {
    const Gdiplus::GpRect area(0, 0, static_cast<INT>(width), static_cast<INT>(height));
    locked_ = gdip::GdipBitmapLockBits(bitmap_, &area, Gdiplus::ImageLockModeRead,
                                       PixelFormat32bppPARGB, &data_) == Gdiplus::Ok;
  }
  ~LockedPixels() {
    if (locked_) {
      gdip::GdipBitmapUnlockBits(bitmap_, &data_);
    }
  }
  LockedPixels(const LockedPixels&) = delete;
  LockedPixels& operator=(const LockedPixels&) = delete;
  bool locked() const { return locked_ && data_.Scan0 != nullptr; }
  const uint8_t* top() const { return static_cast<const uint8_t*>(data_.Scan0); }
  std::ptrdiff_t stride() const { return data_.Stride; }

 private:
  Gdiplus::GpBitmap* bitmap_;
  Gdiplus::BitmapData data_{};
  bool locked_ = false;
};

// Clipboard data that is freed unless the clipboard took it over.
template <typename Handle, BOOL (*Free)(Handle)>
class OwnedHandle {
 public:
  explicit OwnedHandle(Handle handle = nullptr) : handle_(handle) {}
  ~OwnedHandle() {
    if (handle_ != nullptr) {
      Free(handle_);
    }
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.release()) {}
  Handle get() const { return handle_; }
  Handle release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  Handle handle_;
};

BOOL freeGlobal(HGLOBAL block) { return GlobalFree(block) == nullptr; }
BOOL deleteBitmap(HBITMAP bitmap) { return DeleteObject(bitmap); }
using GlobalBlock = OwnedHandle<HGLOBAL, &freeGlobal>;
using GdiBitmap = OwnedHandle<HBITMAP, &deleteBitmap>;

class OpenClipboardSession {
 public:
  OpenClipboardSession() : open_(OpenClipboard(nullptr) != FALSE) {}
  ~OpenClipboardSession() {
    if (open_) {
      CloseClipboard();
    }
  }
  OpenClipboardSession(const OpenClipboardSession&) = delete;
  OpenClipboardSession& operator=(const OpenClipboardSession&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

GlobalBlock buildDibV5(Gdiplus::GpBitmap* bitmap) {
  UINT width = 0;
  UINT height = 0;
  if (gdip::GdipGetImageWidth(bitmap, &width) != Gdiplus::Ok ||
      gdip::GdipGetImageHeight(bitmap, &height) != Gdiplus::Ok) {
    return GlobalBlock();
  }
  const std::optional<uint32_t> pixelBytes = dibV5PixelBytes(width, height);
  if (!pixelBytes) {
    return GlobalBlock();
  }
  LockedPixels pixels(bitmap, width, height);
  if (!pixels.locked()) {
    return GlobalBlock();
  }
  GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPV5HEADER) + *pixelBytes));
  if (block.get() == nullptr) {
    return block;
  }
  auto* memory = static_cast<uint8_t*>(GlobalLock(block.get()));
  if (memory == nullptr) {
    return GlobalBlock();
  }
  const BITMAPV5HEADER header = dibV5Header(width, height);
  std::memcpy(memory, &header, sizeof header);
  copyRowsBottomUp(pixels.top(), pixels.stride(), width, height, memory + sizeof header);
  GlobalUnlock(block.get());
  return block;
}

GdiBitmap buildBitmap(Gdiplus::GpBitmap* bitmap) {
  HBITMAP handle = nullptr;
  if (gdip::GdipCreateHBITMAPFromBitmap(bitmap, &handle, kBitmapBackground) != Gdiplus::Ok) {
    return GdiBitmap();
  }
  return GdiBitmap(handle);
}

template <typename Data>
bool handOver(UINT format, Data& data) {
  if (data.get() == nullptr) {
    return false;
  }
  OpenClipboardSession clipboard;
  if (!clipboard.open() || !EmptyClipboard()) {
    return false;
  }
  if (SetClipboardData(format, data.get()) == nullptr) {
    return false;
  }
  data.release();  // the clipboard owns it now
  return true;
}

bool copyImage(const wchar_t* path) {
  if (path == nullptr) {
    return false;
  }
  GdiplusSession session;
  if (!session.started()) {
    return false;
  }
  ScreenDc screen;
  GdipBitmap image(path);
  if (!screen.valid() || image.get() == nullptr) {
    return false;
  }
  Gdiplus::PixelFormat format = 0;
  if (gdip::GdipGetImagePixelFormat(image.get(), &format) != Gdiplus::Ok) {
    return false;
  }
  if ((format & PixelFormatAlpha) != 0) {
    GlobalBlock block = buildDibV5(image.get());
    return handOver(CF_DIBV5, block);
  }
  GdiBitmap bitmap = buildBitmap(image.get());
  return handOver(CF_BITMAP, bitmap);
}

}  // namespace
}  // namespace panehost

extern "C" bool copyImageToClipboard(const wchar_t* path) {
  return panehost::copyImage(path);
}
