#ifndef CEFSIM_TESTS_FAKE_PAGE_H_
#define CEFSIM_TESTS_FAKE_PAGE_H_

#include <utility>
#include <vector>

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_urlrequest.h"
#include "include/cef_v8.h"

namespace cefsim_test {

// Stand-ins for the engine's browsers and frames, for testing engine parts that only
// talk to them; a frame records the process messages sent through it.
class FakeFrame : public CefFrame {
 public:
  FakeFrame(int64 id, bool main) : id(id), main(main) {}

  int64 id;
  bool main;
  bool valid = true;
  std::vector<std::pair<CefProcessId, CefRefPtr<CefProcessMessage>>> sent;

  // CefFrame methods:
  bool IsValid() override { return valid; }
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
  bool IsMain() override { return main; }
  bool IsFocused() override { return false; }
  CefString GetName() override { return CefString(); }
  int64 GetIdentifier() override { return id; }
  CefRefPtr<CefFrame> GetParent() override { return nullptr; }
  CefString GetURL() override { return CefString(); }
  CefRefPtr<CefBrowser> GetBrowser() override { return nullptr; }
  CefRefPtr<CefV8Context> GetV8Context() override { return nullptr; }
  void VisitDOM(CefRefPtr<CefDOMVisitor>) override {}
  CefRefPtr<CefURLRequest> CreateURLRequest(CefRefPtr<CefRequest>,
                                            CefRefPtr<CefURLRequestClient>) override {
    return nullptr;
  }
  void SendProcessMessage(CefProcessId target, CefRefPtr<CefProcessMessage> message) override {
    sent.push_back({target, message});
  }

 private:
  IMPLEMENT_REFCOUNTING(FakeFrame);
};

class FakeBrowser : public CefBrowser {
 public:
  explicit FakeBrowser(int id) : id(id) {}

  int id;

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
  int GetIdentifier() override { return id; }
  bool IsSame(CefRefPtr<CefBrowser>) override { return false; }
  bool IsPopup() override { return false; }
  bool HasDocument() override { return false; }
  CefRefPtr<CefFrame> GetMainFrame() override { return nullptr; }
  CefRefPtr<CefFrame> GetFocusedFrame() override { return nullptr; }
  CefRefPtr<CefFrame> GetFrame(int64) override { return nullptr; }
  CefRefPtr<CefFrame> GetFrame(const CefString&) override { return nullptr; }
  size_t GetFrameCount() override { return 0; }
  void GetFrameIdentifiers(std::vector<int64>&) override {}
  void GetFrameNames(std::vector<CefString>&) override {}

 private:
  IMPLEMENT_REFCOUNTING(FakeBrowser);
};

}  // namespace cefsim_test

#endif  // CEFSIM_TESTS_FAKE_PAGE_H_
