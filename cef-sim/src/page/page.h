#ifndef CEFSIM_SRC_PAGE_PAGE_H_
#define CEFSIM_SRC_PAGE_PAGE_H_

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "include/cef_base.h"
#include "src/web/web_registry.h"

namespace cefsim {

// One document in one frame, as the renderer holds it: what its address served, what
// its script changed and which scripts it ran. The browser side never reaches into it
// beyond this interface, so that the renderer process can own it without the browser
// side changing. Any thread.
class Page {
 public:
  struct ScriptRun {
    CefString code;
    CefString url;
    int line;
  };

  Page(const CefString& url, const Resource& served);

  CefString url() const;
  int status() const;
  std::vector<CefString> subframe_urls() const;
  std::vector<driver::Subresource> subresources() const;

  // The document goes (its frame's next document, the frame's removal, the browser's
  // close): its requests still in flight are cancelled. Any thread, any lock held.
  void Leave() { gone_ = true; }
  bool gone() const { return gone_; }

  CefString title() const;
  // document.title = title; true when it changed.
  bool SetTitle(const CefString& title);

  void RunScript(const CefString& code, const CefString& url, int line);
  std::vector<ScriptRun> scripts() const;

  // The document's full-screen element: true when the request changes the state.
  bool RequestFullscreen(bool on);

 private:
  mutable std::mutex mutex_;
  const CefString url_;
  const Resource served_;
  CefString title_;
  bool fullscreen_ = false;
  std::atomic<bool> gone_{false};
  std::vector<ScriptRun> scripts_;
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_PAGE_PAGE_H_
