#ifndef CEFSIM_SRC_RENDERER_RENDERER_BROWSER_H_
#define CEFSIM_SRC_RENDERER_RENDERER_BROWSER_H_

#include <memory>
#include <vector>

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_urlrequest.h"
#include "src/ipc/channel.h"
#include "src/renderer/v8_context_impl.h"

namespace cefsim {

class RendererBrowser;

// A frame as the renderer holds it: its current document's context and page state.
// Renderer thread only, except SendProcessMessage (any thread).
class RendererFrame : public CefFrame {
 public:
  RendererFrame(RendererBrowser* browser, int64 identifier, int64 parent_id, Channel* channel);

  int64 parent_id() const { return parent_id_; }
  void set_url(const CefString& url) { url_ = url; }
  void Detach();

  CefRefPtr<V8ContextImpl> context() const { return context_; }
  void set_context(CefRefPtr<V8ContextImpl> context) { context_ = context; }

  // Page state of the current document.
  CefString title;
  bool fullscreen = false;

  // CefFrame methods:
  bool IsValid() override { return attached_; }
  void Undo() override {}
  void Redo() override {}
  void Cut() override {}
  void Copy() override {}
  void Paste() override {}
  void Delete() override {}
  void SelectAll() override {}
  void ViewSource() override {}
  void GetSource(CefRefPtr<CefStringVisitor>) override {}
  void GetText(CefRefPtr<CefStringVisitor>) override {}
  void LoadRequest(CefRefPtr<CefRequest>) override {}
  void LoadURL(const CefString&) override {}
  void LoadString(const CefString&, const CefString&) override {}
  void ExecuteJavaScript(const CefString&, const CefString&, int) override {}
  bool IsMain() override { return parent_id_ == 0; }
  bool IsFocused() override { return IsMain(); }
  CefString GetName() override { return CefString(); }
  int64 GetIdentifier() override { return identifier_; }
  CefRefPtr<CefFrame> GetParent() override;
  CefString GetURL() override { return url_; }
  CefRefPtr<CefBrowser> GetBrowser() override;
  CefRefPtr<CefV8Context> GetV8Context() override { return context_.get(); }
  void VisitDOM(CefRefPtr<CefDOMVisitor>) override {}
  CefRefPtr<CefURLRequest> CreateURLRequest(CefRefPtr<CefRequest>,
                                            CefRefPtr<CefURLRequestClient>) override {
    return nullptr;
  }
  void SendProcessMessage(CefProcessId target_process,
                          CefRefPtr<CefProcessMessage> message) override;

 private:
  // The browser outlives its frames in the renderer; frames do not hold it, so that the
  // two never keep each other.
  RendererBrowser* const browser_;
  const int64 identifier_;
  const int64 parent_id_;
  Channel* const channel_;
  bool attached_ = true;
  CefString url_;
  CefRefPtr<V8ContextImpl> context_;

  IMPLEMENT_REFCOUNTING(RendererFrame);
};

// The renderer's view of its one browser. The renderer has no browser host: GetHost()
// is null, and navigation calls do nothing here.
class RendererBrowser : public CefBrowser {
 public:
  RendererBrowser(int identifier, bool is_popup);

  // Renderer thread only.
  void AddFrame(CefRefPtr<RendererFrame> frame);
  void RemoveFrame(int64 identifier);
  CefRefPtr<RendererFrame> FindFrame(int64 identifier) const;
  CefRefPtr<RendererFrame> main_frame() const;
  std::vector<CefRefPtr<RendererFrame>> frames() const { return frames_; }

  // CefBrowser methods:
  CefRefPtr<CefBrowserHost> GetHost() override { return nullptr; }
  bool CanGoBack() override { return false; }
  void GoBack() override {}
  bool CanGoForward() override { return false; }
  void GoForward() override {}
  bool IsLoading() override { return false; }
  void Reload() override {}
  void ReloadIgnoreCache() override {}
  void StopLoad() override {}
  int GetIdentifier() override { return identifier_; }
  bool IsSame(CefRefPtr<CefBrowser> that) override;
  bool IsPopup() override { return is_popup_; }
  bool HasDocument() override;
  CefRefPtr<CefFrame> GetMainFrame() override;
  CefRefPtr<CefFrame> GetFocusedFrame() override { return GetMainFrame(); }
  CefRefPtr<CefFrame> GetFrame(int64 identifier) override;
  CefRefPtr<CefFrame> GetFrame(const CefString& name) override;
  size_t GetFrameCount() override { return frames_.size(); }
  void GetFrameIdentifiers(std::vector<int64>& identifiers) override;
  void GetFrameNames(std::vector<CefString>& names) override;

 private:
  const int identifier_;
  const bool is_popup_;
  // Main frame first, then subframes in the order they appeared.
  std::vector<CefRefPtr<RendererFrame>> frames_;

  IMPLEMENT_REFCOUNTING(RendererBrowser);
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_RENDERER_RENDERER_BROWSER_H_
