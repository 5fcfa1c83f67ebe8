#ifndef CEFSIM_TESTS_RECORDING_CLIENT_H_
#define CEFSIM_TESTS_RECORDING_CLIENT_H_

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "tests/recording_app.h"

namespace cefsim_test {

// A client whose handlers record every browser event, in order, as one line each:
// "<event> <browser id> [<frame label>] [details]". Frames are labelled "main" or
// "sub:<url of the request or frame>"; their identifiers are kept beside the lines.
// The test sets the answers.
class RecordingClient : public CefClient,
                        public CefLifeSpanHandler,
                        public CefLoadHandler,
                        public CefDisplayHandler,
                        public CefRequestHandler,
                        public CefRenderHandler {
 public:
  struct Event {
    std::string line;
    int64 frame_id;  // 0 when the event names no frame
  };

  std::function<bool(const std::string& url, bool main)> cancel_browse;
  std::function<bool(CefWindowInfo&, CefRefPtr<CefClient>&, CefBrowserSettings&)> before_popup;
  bool do_close_answer = false;
  bool console_answer = false;
  CefRect view_rect{0, 0, 400, 400};
  std::vector<CefRefPtr<CefBrowser>> created;
  std::vector<CefPopupFeatures> popup_features;

  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    for (const Event& e : events)
      out.push_back(e.line);
    return out;
  }
  // The lines that start with one of the prefixes.
  std::vector<std::string> lines(const std::vector<std::string>& prefixes) const {
    std::vector<std::string> out;
    for (const Event& e : events) {
      for (const std::string& p : prefixes) {
        if (e.line.compare(0, p.size(), p) == 0) {
          out.push_back(e.line);
          break;
        }
      }
    }
    return out;
  }
  void clear() { events.clear(); }

  std::vector<Event> events;

  // CefClient methods:
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefRenderHandler> GetRenderHandler() override { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }

  // CefLifeSpanHandler methods:
  bool OnBeforePopup(CefRefPtr<CefBrowser> browser,
                     CefRefPtr<CefFrame> frame,
                     const CefString& target_url,
                     const CefString& /*target_frame_name*/,
                     CefLifeSpanHandler::WindowOpenDisposition target_disposition,
                     bool user_gesture,
                     const CefPopupFeatures& popupFeatures,
                     CefWindowInfo& windowInfo,
                     CefRefPtr<CefClient>& client,
                     CefBrowserSettings& settings,
                     CefRefPtr<CefDictionaryValue>& /*extra_info*/,
                     bool* /*no_javascript_access*/) override {
    Record("before-popup", browser, frame,
           target_url.ToString() + " " + std::to_string(target_disposition) +
               (user_gesture ? " gesture" : ""));
    popup_features.push_back(popupFeatures);
    return before_popup ? before_popup(windowInfo, client, settings) : false;
  }
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    created.push_back(browser);
    Record("created", browser, nullptr, "");
  }
  bool DoClose(CefRefPtr<CefBrowser> browser) override {
    Record("do-close", browser, nullptr, "");
    return do_close_answer;
  }
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override {
    Record("before-close", browser, nullptr, "");
  }

  // CefLoadHandler methods:
  void OnLoadingStateChange(CefRefPtr<CefBrowser> browser,
                            bool isLoading,
                            bool canGoBack,
                            bool canGoForward) override {
    Record("loading", browser, nullptr,
           std::string(isLoading ? "true" : "false") + (canGoBack ? " back" : "") +
               (canGoForward ? " forward" : ""));
  }
  void OnLoadStart(CefRefPtr<CefBrowser> browser,
                   CefRefPtr<CefFrame> frame,
                   TransitionType /*transition_type*/) override {
    Record("load-start", browser, frame, "");
  }
  void OnLoadEnd(CefRefPtr<CefBrowser> browser,
                 CefRefPtr<CefFrame> frame,
                 int httpStatusCode) override {
    Record("load-end", browser, frame, std::to_string(httpStatusCode));
  }
  void OnLoadError(CefRefPtr<CefBrowser> browser,
                   CefRefPtr<CefFrame> frame,
                   ErrorCode errorCode,
                   const CefString& errorText,
                   const CefString& failedUrl) override {
    Record("load-error", browser, frame,
           std::to_string(errorCode) + " " + errorText.ToString() + " " + failedUrl.ToString());
  }

  // CefDisplayHandler methods:
  void OnAddressChange(CefRefPtr<CefBrowser> browser,
                       CefRefPtr<CefFrame> frame,
                       const CefString& url) override {
    Record("address", browser, frame, url.ToString());
  }
  void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) override {
    Record("title", browser, nullptr, title.ToString());
  }
  void OnFullscreenModeChange(CefRefPtr<CefBrowser> browser, bool fullscreen) override {
    Record("fullscreen", browser, nullptr, fullscreen ? "on" : "off");
  }
  bool OnConsoleMessage(CefRefPtr<CefBrowser> browser,
                        cef_log_severity_t level,
                        const CefString& message,
                        const CefString& source,
                        int line) override {
    Record("console", browser, nullptr,
           std::to_string(level) + " " + message.ToString() + " " + source.ToString() + ":" +
               std::to_string(line));
    return console_answer;
  }

  // CefRequestHandler methods:
  bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser,
                      CefRefPtr<CefFrame> frame,
                      CefRefPtr<CefRequest> request,
                      bool /*user_gesture*/,
                      bool /*is_redirect*/) override {
    std::string url = request->GetURL().ToString();
    Record("before-browse", browser, frame, url);
    return cancel_browse ? cancel_browse(url, frame->IsMain()) : false;
  }

  // CefRenderHandler methods:
  void GetViewRect(CefRefPtr<CefBrowser> browser, CefRect& rect) override {
    Record("view-rect", browser, nullptr, "");
    rect = view_rect;
  }
  void OnPaint(CefRefPtr<CefBrowser>,
               PaintElementType,
               const RectList&,
               const void*,
               int,
               int) override {}

 private:
  void Record(const std::string& what,
              CefRefPtr<CefBrowser> browser,
              CefRefPtr<CefFrame> frame,
              const std::string& details) {
    std::string line = what + " " + std::to_string(browser->GetIdentifier());
    if (frame)
      line += frame->IsMain() ? " main" : " sub";
    if (!details.empty())
      line += " " + details;
    events.push_back(Event{line, frame ? frame->GetIdentifier() : 0});
  }

  IMPLEMENT_REFCOUNTING(RecordingClient);
};

// Runs loop iterations until done() holds, at most `limit` of them; true when it held.
// With a renderer process the page's answers come in their own time, so the loop also
// keeps going, at most a few seconds, until they have had the chance to arrive.
inline bool PumpUntil(const std::function<bool()>& done, int limit = 50) {
  const bool child_mode = !TestRendererProgram().empty();
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  for (int i = 0; i < limit || (child_mode && std::chrono::steady_clock::now() < give_up);
       ++i) {
    if (done())
      return true;
    CefDoMessageLoopWork();
    if (i >= limit)
      std::this_thread::yield();
  }
  return done();
}

// Runs `count` loop iterations.
inline void Pump(int count) {
  for (int i = 0; i < count; ++i)
    CefDoMessageLoopWork();
}

// Starts the engine and runs the loop until browsers may be created.
inline bool StartEngineWithContext() {
  CefRefPtr<RecordingApp> app = new RecordingApp();
  if (!StartEngine(app))
    return false;
  CefDoMessageLoopWork();
  return true;
}

inline CefWindowInfo Windowless() {
  CefWindowInfo info;
  info.SetAsWindowless(0);
  return info;
}

inline CefRefPtr<CefBrowser> NewBrowser(CefRefPtr<CefClient> client, const CefString& url = "") {
  return CefBrowserHost::CreateBrowserSync(Windowless(), client, url, CefBrowserSettings(),
                                           nullptr, nullptr);
}

}  // namespace cefsim_test

#endif  // CEFSIM_TESTS_RECORDING_CLIENT_H_
