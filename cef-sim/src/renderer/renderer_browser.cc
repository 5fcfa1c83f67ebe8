#include "src/renderer/renderer_browser.h"

#include "src/ipc/wire.h"

namespace cefsim {

RendererFrame::RendererFrame(RendererBrowser* browser,
                             int64 identifier,
                             int64 parent_id,
                             Channel* channel)
    : browser_(browser), identifier_(identifier), parent_id_(parent_id), channel_(channel) {}

void RendererFrame::Detach() {
  attached_ = false;
  context_ = nullptr;
}

CefRefPtr<CefFrame> RendererFrame::GetParent() {
  if (!attached_ || parent_id_ == 0)
    return nullptr;
  return browser_->FindFrame(parent_id_).get();
}

CefRefPtr<CefBrowser> RendererFrame::GetBrowser() {
  return browser_;
}

void RendererFrame::SendProcessMessage(CefProcessId target_process,
                                       CefRefPtr<CefProcessMessage> message) {
  // A renderer sends only to the browser process; a detached frame sends nothing.
  if (target_process != PID_BROWSER || !message || !attached_)
    return;
  channel_->Send(WireWriter(WireKind::kToBrowser)
                     .I64(identifier_)
                     .Str(message->GetName())
                     .List(message->GetArgumentList()));
}

RendererBrowser::RendererBrowser(int identifier, bool is_popup)
    : identifier_(identifier), is_popup_(is_popup) {}

void RendererBrowser::AddFrame(CefRefPtr<RendererFrame> frame) {
  frames_.push_back(frame);
}

void RendererBrowser::RemoveFrame(int64 identifier) {
  for (auto it = frames_.begin(); it != frames_.end(); ++it) {
    if ((*it)->GetIdentifier() == identifier) {
      frames_.erase(it);
      return;
    }
  }
}

CefRefPtr<RendererFrame> RendererBrowser::FindFrame(int64 identifier) const {
  for (const CefRefPtr<RendererFrame>& frame : frames_) {
    if (frame->GetIdentifier() == identifier)
      return frame;
  }
  return nullptr;
}

CefRefPtr<RendererFrame> RendererBrowser::main_frame() const {
  for (const CefRefPtr<RendererFrame>& frame : frames_) {
    if (frame->IsMain())
      return frame;
  }
  return nullptr;
}

bool RendererBrowser::IsSame(CefRefPtr<CefBrowser> that) {
  return that && that->GetIdentifier() == identifier_;
}

bool RendererBrowser::HasDocument() {
  CefRefPtr<RendererFrame> main = main_frame();
  return main && main->context();
}

CefRefPtr<CefFrame> RendererBrowser::GetMainFrame() {
  return main_frame().get();
}

CefRefPtr<CefFrame> RendererBrowser::GetFrame(int64 identifier) {
  return FindFrame(identifier).get();
}

CefRefPtr<CefFrame> RendererBrowser::GetFrame(const CefString& name) {
  // The served documents' frames carry no names; the empty name is the main frame.
  return name.empty() ? GetMainFrame() : nullptr;
}

void RendererBrowser::GetFrameIdentifiers(std::vector<int64>& identifiers) {
  identifiers.clear();
  for (const CefRefPtr<RendererFrame>& frame : frames_)
    identifiers.push_back(frame->GetIdentifier());
}

void RendererBrowser::GetFrameNames(std::vector<CefString>& names) {
  names.clear();
  for (size_t i = 0; i < frames_.size(); ++i)
    names.push_back(CefString());
}

}  // namespace cefsim
