// The off-screen view: the engine asks the view's size, and hands over every painted frame,
// the popup widget's moves, cursor changes and drags that start in the page. Pumping thread.
//
// A paint reaches Java as a direct ByteBuffer over the engine's own pixels, valid only during
// onPaint: no copy is made and nothing is allocated natively; the buffer object and the
// dirty-rectangle array are local references of the callback's frame, gone when it returns.
#include <cstdio>

#include "browser/browser_tables.h"
#include "browser/my_client.h"
#include "jni/java_callback.h"
#include "jni/java_exceptions.h"
#include "osr/view_rects.h"

using brivon::BrowserId;
using brivon::HandlerSlot;
using brivon::JavaCallback;

namespace {

constexpr char kPopupShowLine[] = "native: OnPopupShow: isShow: ";
// Rectangles copied into the Java array per JNI call: enough to make few calls, small
// enough for the stack.
constexpr int kRectsPerCopy = 16;

// Every rectangle's x, y, width and height in turn, or, for a popup, the popup's rectangle
// once per dirty rectangle. Null when the array cannot be made (its exception is pending).
jintArray DirtyRectArray(JNIEnv* env, const CefRenderHandler::RectList& dirty, bool popup,
                         const CefRect& popup_rect) {
  const jsize count = static_cast<jsize>(dirty.size());
  jintArray array = env->NewIntArray(count * 4);
  if (array == nullptr) return nullptr;
  jint chunk[kRectsPerCopy * 4];
  jsize done = 0;
  while (done < count) {
    const jsize n = count - done < kRectsPerCopy ? count - done : kRectsPerCopy;
    for (jsize i = 0; i < n; ++i) {
      const CefRect& r = popup ? popup_rect : dirty[static_cast<size_t>(done + i)];
      chunk[4 * i] = r.x;
      chunk[4 * i + 1] = r.y;
      chunk[4 * i + 2] = r.width;
      chunk[4 * i + 3] = r.height;
    }
    env->SetIntArrayRegion(array, done * 4, n * 4, chunk);
    done += n;
  }
  return array;
}

CefMouseEvent DragEvent(int x, int y) {
  CefMouseEvent event;
  event.x = x;
  event.y = y;
  event.modifiers = EVENTFLAG_LEFT_MOUSE_BUTTON;
  return event;
}

}  // namespace

void MyClient::GetViewRect(CefRefPtr<CefBrowser> browser, CefRect& rect) {
  rect = brivon::ViewRect(BrowserId(browser));
}

bool MyClient::GetScreenInfo(CefRefPtr<CefBrowser>, CefScreenInfo&) {
  // The engine's defaults stand: no scale factor or screen rectangles of our own.
  return true;
}

void MyClient::OnPopupSize(CefRefPtr<CefBrowser> browser, const CefRect& rect) {
  brivon::SetPopupRect(BrowserId(browser), rect);
}

void MyClient::OnPopupShow(CefRefPtr<CefBrowser> browser, bool show) {
  std::printf("%s%d\n", kPopupShowLine, show ? 1 : 0);
  std::fflush(stdout);
  {
    JavaCallback call(HandlerSlot::kRender, "onPopupShow", "(JZ)V");
    // Without a thread environment nothing more happens.
    if (call.env() == nullptr) return;
    call.CallVoid(static_cast<jlong>(BrowserId(browser)), show ? JNI_TRUE : JNI_FALSE);
  }
  // The view is drawn again without the popup over it.
  if (!show) browser->GetHost()->Invalidate(PET_VIEW);
}

void MyClient::OnPaint(CefRefPtr<CefBrowser> browser, PaintElementType type,
                       const RectList& dirtyRects, const void* buffer, int width, int height) {
  const int64_t id = BrowserId(browser);
  const bool popup = type == PET_POPUP;
  CefRect popup_rect;
  if (popup) {
    // A popup of no known place in the view cannot be shown; nothing was made yet.
    popup_rect = brivon::PopupRect(id);
    if (popup_rect.width < 1 || popup_rect.height < 1) return;
  }
  if (buffer == nullptr || width < 1 || height < 1) return;
  JavaCallback call(HandlerSlot::kRender, "onPaint", "(JZIILjava/nio/ByteBuffer;[I)V");
  if (!call.ready()) return;
  JNIEnv* env = call.env();
  // Computed in 64 bits: a large frame's byte count does not fit 32.
  const jlong capacity = static_cast<jlong>(width) * static_cast<jlong>(height) * 4;
  // Java only reads the frame; the engine's buffer is handed over as it is.
  jobject pixels = env->NewDirectByteBuffer(const_cast<void*>(buffer), capacity);
  jintArray rects = pixels ? DirtyRectArray(env, dirtyRects, popup, popup_rect) : nullptr;
  if (pixels == nullptr || rects == nullptr) {
    // The virtual machine's error goes to the pumping thread's caller like a handler's would.
    brivon::CatchJavaException(env, false);
    return;
  }
  call.CallVoid(static_cast<jlong>(id), popup ? JNI_TRUE : JNI_FALSE, static_cast<jint>(width),
                static_cast<jint>(height), pixels, rects);
  // Gone with the callback's frame; deleted now so that the frame never holds them long.
  env->DeleteLocalRef(rects);
  env->DeleteLocalRef(pixels);
}

void MyClient::OnCursorChange(CefRefPtr<CefBrowser> browser, CefCursorHandle, CursorType type,
                              const CefCursorInfo&) {
  JavaCallback call(HandlerSlot::kRender, "onCursorChange", "(JI)V");
  call.CallVoid(static_cast<jlong>(BrowserId(browser)), static_cast<jint>(type));
}

bool MyClient::StartDragging(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDragData> drag_data,
                             CefRenderHandler::DragOperationsMask allowed_ops, int x, int y) {
  JavaCallback call(HandlerSlot::kRender, "onStartDragging", "(JI)V");
  // Nobody could drive the drop: the engine cancels the drag, and the browser is not left
  // the drop target of a drag that never ends.
  if (!call.ready()) return false;
  const CefRefPtr<CefBrowserHost> host = browser->GetHost();
  host->DragTargetDragEnter(drag_data, DragEvent(x, y), allowed_ops);
  if (call.CallVoid(static_cast<jlong>(BrowserId(browser)), static_cast<jint>(allowed_ops))) {
    return true;
  }
  // Java threw instead of taking the drag over: undo the drop target, cancel the drag.
  host->DragTargetDragLeave();
  return false;
}

void MyClient::UpdateDragCursor(CefRefPtr<CefBrowser> browser,
                                CefRenderHandler::DragOperation operation) {
  JavaCallback call(HandlerSlot::kRender, "onUpdateDragCursor", "(JI)V");
  call.CallVoid(static_cast<jlong>(BrowserId(browser)), static_cast<jint>(operation));
}
