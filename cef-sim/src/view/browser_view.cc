// A windowless browser's view: layout, paints, the popup widget, the cursor, drags the page
// starts, and the host's input and drop-target calls, which are recorded. All client calls
// run on the UI thread; a closed browser's host does nothing.

#include <chrono>

#include "src/browser/browser_impl.h"
#include "src/browser/browser_registry.h"

namespace cefsim {
namespace {

CefRect Whole(int width, int height) {
  return CefRect(0, 0, width, height);
}

// The operation a page's drop target takes of what a drag allows: a copy when it may,
// else a move, else nothing.
uint32 AcceptedOperation(uint32 allowed) {
  if (allowed & DRAG_OPERATION_COPY)
    return DRAG_OPERATION_COPY;
  if (allowed & DRAG_OPERATION_MOVE)
    return DRAG_OPERATION_MOVE;
  return DRAG_OPERATION_NONE;
}

}  // namespace

void BrowserImpl::LayOutView(bool repaint) {
  CefRefPtr<CefRenderHandler> handler = Render();
  if (!handler)
    return;
  // The engine's defaults, which the handler may change when it answers true.
  CefScreenInfo screen;
  screen.device_scale_factor = 1.0f;
  const bool answered = handler->GetScreenInfo(this, screen);
  {
    std::lock_guard<std::mutex> lock(view_->mutex());
    view_->screen_info_answers.push_back(answered);
    view_->screen_scale_factors.push_back(answered ? screen.device_scale_factor : 1.0f);
  }
  CefRect rect;
  AskViewRect(&rect);
  if (repaint && rect.width > 0 && rect.height > 0)
    ViewPaint(false, {Whole(rect.width, rect.height)}, 1, 0, 0);
}

void BrowserImpl::ViewPaint(bool popup,
                            const std::vector<CefRect>& dirty,
                            int count,
                            int width,
                            int height) {
  if (!popup) {
    std::lock_guard<std::mutex> lock(view_->mutex());
    width = view_->view_size.width;
    height = view_->view_size.height;
  }
  // Nothing of no size is painted; a popup of unknown size still has a pixel.
  if (popup) {
    width = width < 1 ? 1 : width;
    height = height < 1 ? 1 : height;
  } else if (width < 1 || height < 1) {
    return;
  }
  for (int i = 0; i < count; ++i) {
    CefRefPtr<CefRenderHandler> handler = Render();
    if (!handler)
      return;
    const int serial = view_->NextSerial();
    const uint8_t* pixels = view_->PaintFrame(popup, width, height, dirty, serial);
    const auto start = std::chrono::steady_clock::now();
    handler->OnPaint(this, popup ? PET_POPUP : PET_VIEW, dirty, pixels, width, height);
    const auto spent = std::chrono::steady_clock::now() - start;
    std::lock_guard<std::mutex> lock(view_->mutex());
    view_->timing.paints += 1;
    view_->timing.nanoseconds +=
        std::chrono::duration_cast<std::chrono::nanoseconds>(spent).count();
  }
}

void BrowserImpl::ViewOpenPopup(const CefRect& rect) {
  ViewMovePopup(rect);
  CefRefPtr<CefRenderHandler> handler = Render();
  if (!handler)
    return;
  {
    std::lock_guard<std::mutex> lock(view_->mutex());
    view_->popup_shown = true;
  }
  handler->OnPopupShow(this, true);
  ViewPaint(true, {Whole(rect.width, rect.height)}, 1, rect.width, rect.height);
}

void BrowserImpl::ViewMovePopup(const CefRect& rect) {
  {
    std::lock_guard<std::mutex> lock(view_->mutex());
    view_->popup_rect = rect;
  }
  if (CefRefPtr<CefRenderHandler> handler = Render())
    handler->OnPopupSize(this, rect);
}

void BrowserImpl::ViewClosePopup() {
  {
    std::lock_guard<std::mutex> lock(view_->mutex());
    view_->popup_shown = false;
  }
  if (CefRefPtr<CefRenderHandler> handler = Render())
    handler->OnPopupShow(this, false);
}

void BrowserImpl::ViewCursor(int cursor_type) {
  if (CefRefPtr<CefRenderHandler> handler = Render())
    handler->OnCursorChange(this, CefCursorHandle(), static_cast<cef_cursor_type_t>(cursor_type),
                            CefCursorInfo());
}

void BrowserImpl::ViewStartDrag(const CefString& text, uint32 allowed_ops, int x, int y) {
  CefRefPtr<CefRenderHandler> handler = Render();
  if (!handler)
    return;
  CefRefPtr<CefDragData> data = CefDragData::Create();
  data->SetFragmentText(text);
  {
    std::lock_guard<std::mutex> lock(view_->mutex());
    view_->source_drag = data;
  }
  const bool taken = handler->StartDragging(
      this, data, static_cast<cef_drag_operations_mask_t>(allowed_ops), x, y);
  std::lock_guard<std::mutex> lock(view_->mutex());
  view_->start_dragging_answers.push_back(taken);
  // Refused: the engine cancels the drag.
  if (!taken)
    view_->source_drag = nullptr;
}

// --- CefBrowserHost: painting requests, input and drags -----------------------------------

void BrowserImpl::Invalidate(PaintElementType type) {
  if (closed())
    return;
  const bool popup = type == PET_POPUP;
  CefRect popup_rect;
  {
    std::lock_guard<std::mutex> lock(view_->mutex());
    view_->invalidations[popup ? 1 : 0] += 1;
    if (popup && !view_->popup_shown)
      return;
    popup_rect = view_->popup_rect;
  }
  CefRefPtr<BrowserImpl> self = this;
  PostTask([self, popup, popup_rect]() {
    if (self->closed())
      return;
    if (popup) {
      self->ViewPaint(true, {Whole(popup_rect.width, popup_rect.height)}, 1, popup_rect.width,
                      popup_rect.height);
      return;
    }
    CefRect size;
    {
      std::lock_guard<std::mutex> lock(self->view_->mutex());
      size = self->view_->view_size;
    }
    self->ViewPaint(false, {Whole(size.width, size.height)}, 1, 0, 0);
  });
}

namespace {

driver::InputEvent Mouse(int kind, const CefMouseEvent& event) {
  driver::InputEvent input = {};
  input.kind = kind;
  input.x = event.x;
  input.y = event.y;
  input.modifiers = event.modifiers;
  return input;
}

driver::DragCall Drag(int kind, const CefMouseEvent& event) {
  driver::DragCall call = {};
  call.kind = kind;
  call.x = event.x;
  call.y = event.y;
  call.modifiers = event.modifiers;
  return call;
}

}  // namespace

void BrowserImpl::SendKeyEvent(const CefKeyEvent& event) {
  if (closed())
    return;
  driver::InputEvent input = {};
  input.kind = driver::kInputKey;
  input.modifiers = event.modifiers;
  input.key_type = event.type;
  input.windows_key_code = event.windows_key_code;
  input.native_key_code = event.native_key_code;
  input.is_system_key = event.is_system_key;
  input.character = event.character;
  input.unmodified_character = event.unmodified_character;
  input.focus_on_editable_field = event.focus_on_editable_field;
  std::lock_guard<std::mutex> lock(view_->mutex());
  view_->inputs.push_back(input);
}

void BrowserImpl::SendMouseClickEvent(const CefMouseEvent& event,
                                      MouseButtonType type,
                                      bool mouseUp,
                                      int clickCount) {
  if (closed())
    return;
  driver::InputEvent input = Mouse(driver::kInputClick, event);
  input.button = type;
  input.mouse_up = mouseUp;
  input.click_count = clickCount;
  std::lock_guard<std::mutex> lock(view_->mutex());
  view_->inputs.push_back(input);
}

void BrowserImpl::SendMouseMoveEvent(const CefMouseEvent& event, bool mouseLeave) {
  if (closed())
    return;
  driver::InputEvent input = Mouse(driver::kInputMove, event);
  input.mouse_leave = mouseLeave;
  std::lock_guard<std::mutex> lock(view_->mutex());
  view_->inputs.push_back(input);
}

void BrowserImpl::SendMouseWheelEvent(const CefMouseEvent& event, int deltaX, int deltaY) {
  if (closed())
    return;
  driver::InputEvent input = Mouse(driver::kInputWheel, event);
  input.delta_x = deltaX;
  input.delta_y = deltaY;
  std::lock_guard<std::mutex> lock(view_->mutex());
  view_->inputs.push_back(input);
}

void BrowserImpl::DragTargetDragEnter(CefRefPtr<CefDragData> drag_data,
                                      const CefMouseEvent& event,
                                      DragOperationsMask allowed_ops) {
  if (closed())
    return;
  driver::DragCall call = Drag(driver::kDragEnter, event);
  call.allowed_ops = allowed_ops;
  call.has_data = drag_data != nullptr;
  if (drag_data)
    call.text = drag_data->GetFragmentText();
  std::lock_guard<std::mutex> lock(view_->mutex());
  call.engine_data = drag_data && drag_data.get() == view_->source_drag.get();
  view_->drags.push_back(call);
  view_->target_entered = true;
  view_->target_ops = allowed_ops;
}

void BrowserImpl::DragTargetDragOver(const CefMouseEvent& event, DragOperationsMask allowed_ops) {
  if (closed())
    return;
  driver::DragCall call = Drag(driver::kDragOver, event);
  call.allowed_ops = allowed_ops;
  uint32 accepted;
  {
    std::lock_guard<std::mutex> lock(view_->mutex());
    view_->drags.push_back(call);
    if (!view_->target_entered)
      return;
    accepted = AcceptedOperation(allowed_ops & view_->target_ops);
  }
  // The renderer answers where the drop would go, a loop iteration later.
  CefRefPtr<BrowserImpl> self = this;
  PostTask([self, accepted]() {
    if (self->closed())
      return;
    if (CefRefPtr<CefRenderHandler> handler = self->Render())
      handler->UpdateDragCursor(self, static_cast<cef_drag_operations_mask_t>(accepted));
  });
}

void BrowserImpl::DragTargetDragLeave() {
  if (closed())
    return;
  driver::DragCall call = {};
  call.kind = driver::kDragLeave;
  std::lock_guard<std::mutex> lock(view_->mutex());
  view_->drags.push_back(call);
  view_->target_entered = false;
}

void BrowserImpl::DragTargetDrop(const CefMouseEvent& event) {
  if (closed())
    return;
  std::lock_guard<std::mutex> lock(view_->mutex());
  view_->drags.push_back(Drag(driver::kDragDrop, event));
  view_->target_entered = false;
}

void BrowserImpl::DragSourceEndedAt(int x, int y, DragOperationsMask op) {
  if (closed())
    return;
  driver::DragCall call = {};
  call.kind = driver::kDragSourceEndedAt;
  call.x = x;
  call.y = y;
  call.allowed_ops = op;
  std::lock_guard<std::mutex> lock(view_->mutex());
  view_->drags.push_back(call);
}

void BrowserImpl::DragSourceSystemDragEnded() {
  if (closed())
    return;
  driver::DragCall call = {};
  call.kind = driver::kDragSourceSystemEnded;
  std::lock_guard<std::mutex> lock(view_->mutex());
  view_->drags.push_back(call);
  view_->source_drag = nullptr;
}

}  // namespace cefsim
