#ifndef CEFSIM_SRC_BROWSER_FRAME_IMPL_H_
#define CEFSIM_SRC_BROWSER_FRAME_IMPL_H_

#include <memory>

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_urlrequest.h"
#include "include/cef_v8.h"
#include "src/page/page.h"

namespace cefsim {

class BrowserImpl;

// A frame of a browser, browser side. Its mutable state is guarded by BrowsersMutex().
// A frame holds its browser; the browser lets go of its frames when they leave the page
// (subframes, at the next main-frame navigation) or when it closes, and a detached
// frame is no longer valid and does nothing.
class FrameImpl : public CefFrame {
 public:
  FrameImpl(CefRefPtr<BrowserImpl> browser,
            int64 identifier,
            CefRefPtr<FrameImpl> parent,
            const CefString& name);

  // Engine side, with BrowsersMutex() held.
  void Detach();
  bool attached() const { return attached_; }
  void Commit(const CefString& url, std::shared_ptr<Page> page);
  std::shared_ptr<Page> page() const { return page_; }
  const CefString& url() const { return url_; }

  // CefFrame methods:
  bool IsValid() override;
  void Undo() override {}
  void Redo() override {}
  void Cut() override {}
  void Copy() override {}
  void Paste() override {}
  void Delete() override {}
  void SelectAll() override {}
  void ViewSource() override {}
  void GetSource(CefRefPtr<CefStringVisitor> visitor) override;
  void GetText(CefRefPtr<CefStringVisitor> visitor) override;
  void LoadRequest(CefRefPtr<CefRequest> request) override;
  void LoadURL(const CefString& url) override;
  void LoadString(const CefString& string_val, const CefString& url) override;
  void ExecuteJavaScript(const CefString& code,
                         const CefString& script_url,
                         int start_line) override;
  bool IsMain() override;
  bool IsFocused() override;
  CefString GetName() override;
  int64 GetIdentifier() override;
  CefRefPtr<CefFrame> GetParent() override;
  CefString GetURL() override;
  CefRefPtr<CefBrowser> GetBrowser() override;
  CefRefPtr<CefV8Context> GetV8Context() override;
  void VisitDOM(CefRefPtr<CefDOMVisitor> visitor) override;
  CefRefPtr<CefURLRequest> CreateURLRequest(CefRefPtr<CefRequest> request,
                                            CefRefPtr<CefURLRequestClient> client) override;
  void SendProcessMessage(CefProcessId target_process,
                          CefRefPtr<CefProcessMessage> message) override;

 private:
  const CefRefPtr<BrowserImpl> browser_;
  const int64 identifier_;
  const CefRefPtr<FrameImpl> parent_;
  const CefString name_;
  bool attached_ = true;
  CefString url_;
  std::shared_ptr<Page> page_;

  IMPLEMENT_REFCOUNTING(FrameImpl);
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_BROWSER_FRAME_IMPL_H_
