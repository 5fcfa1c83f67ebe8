#ifndef CEFSIM_SRC_BROWSER_BROWSER_IMPL_H_
#define CEFSIM_SRC_BROWSER_BROWSER_IMPL_H_

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "cefsim/browsers.h"
#include "cefsim/script.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "src/browser/frame_impl.h"
#include "src/ipc/child_process.h"
#include "src/view/windowless_view.h"
#include "src/web/web_registry.h"

namespace cefsim {

class WireReader;
namespace driver {
struct ResourceReceived;
}

struct Navigation;
class RendererHost;
class WireWriter;

// What a browser is made with.
struct BrowserParams {
  CefWindowInfo window_info;
  CefRefPtr<CefClient> client;
  CefBrowserSettings settings;
  bool is_popup = false;
  int opener_id = 0;
  uintptr_t opener_window = 0;
  int inspected_id = 0;  // for a DevTools browser, the browser it inspects
};

// One browser and its host in one object. Client calls come on the UI thread; the
// driver reads from any thread. Mutable state is guarded by BrowsersMutex(), which is
// never held while client code runs. After OnBeforeClose the browser keeps its
// identifier and its record for the driver, lets go of its client and frames, and its
// operations do nothing.
class BrowserImpl : public CefBrowser, public CefBrowserHost {
 public:
  BrowserImpl(int identifier, const BrowserParams& params, uintptr_t window, int64 main_frame_id);

  // Engine side (UI thread).
  void SetMainFrame(CefRefPtr<FrameImpl> frame);
  void NotifyCreated();
  void AskViewRectLater();
  bool AskViewRect(CefRect* rect);
  void StartNavigation(const CefString& url, bool from_string, cef_transition_type_t transition);
  void NavigateSubframe(CefRefPtr<FrameImpl> frame, const CefString& url, bool user_gesture);
  // Runs work on the UI thread in a later loop iteration.
  void PostTask(std::function<void()> work);
  void RecordScript(int64 frame_id, const CefString& code, const CefString& url, int line,
                    const CefString& document);
  // The windowless view (src/view/browser_view.cc), UI thread. LayOutView asks the screen
  // information and the view rectangle, as the engine does after creation and WasResized,
  // and with `repaint` paints the whole view at its new size.
  void LayOutView(bool repaint);
  void ViewPaint(bool popup, const std::vector<CefRect>& dirty, int count, int width, int height);
  void ViewOpenPopup(const CefRect& rect);
  void ViewMovePopup(const CefRect& rect);
  void ViewClosePopup();
  void ViewCursor(int cursor_type);
  void ViewStartDrag(const CefString& text, uint32 allowed_ops, int x, int y);
  WindowlessView& view() const { return *view_; }
  // Drops the client and frames without the close sequence (CefShutdown with the
  // browser still open); false when it had closed already.
  bool Abandon();

  // The renderer process (browser_renderer.cc). Without a subprocess program the
  // browser has none and its pages stay in this process.
  void StartRenderer();
  std::shared_ptr<RendererHost> renderer() const;
  // Tells the renderer, in order, about documents and frames; nothing without one.
  void RendererCommit(int64 frame_id, int64 parent_id, const CefString& url,
                      const CefString& title);
  void RendererDetach(int64 frame_id);
  void SendToRenderer(int64 frame_id, CefRefPtr<CefProcessMessage> message);
  std::vector<driver::ReceivedMessage> received_messages() const;
  // A frame's script goes to the renderer, which runs it in the frame's current
  // document; false when the browser has no renderer (its pages are in this process).
  bool ExecuteInRenderer(int64 frame_id, const CefString& code, const CefString& url,
                         int line);
  // Returns once the renderer has handled everything sent to it before (bounded).
  void SyncRenderer();
  // A renderer that died is replaced when the main frame commits its next document,
  // as the engine starts a new renderer for the navigation.
  void ReplaceGoneRenderer();
  std::vector<driver::FunctionCall> function_calls() const;
  size_t function_call_count() const;

  // Page messages, as the renderer would send them (UI thread).
  void OnPageWindowOpen(const CefString& url, bool with_features);
  void OnPageConsoleMessage(int level, const CefString& message, const CefString& source, int line);
  void OnPageFullscreen(bool on);
  void OnPageTitle(const CefString& title);

  // Driver read-backs (any thread).
  bool closed() const;
  bool is_devtools() const { return inspected_id_ != 0; }
  int opener_id() const { return opener_id_; }
  uintptr_t window() const { return window_; }
  int close_requests() const;
  int64 main_frame_id() const { return main_frame_id_; }
  std::vector<int64> frame_ids() const;
  bool FrameUrl(int64 frame_id, CefString* url) const;
  CefRefPtr<FrameImpl> subframe(size_t index) const;
  std::vector<driver::Script> scripts() const;
  std::vector<CefRect> view_rects() const;
  driver::BrowserWindowInfo window_info() const;
  driver::BrowserSettingsInfo browser_settings() const;
  double zoom_level() const;
  int devtools_id() const;
  int show_devtools_calls() const;
  std::shared_ptr<Page> main_page() const;

  // CefBrowser methods:
  CefRefPtr<CefBrowserHost> GetHost() override;
  bool CanGoBack() override;
  void GoBack() override;
  bool CanGoForward() override;
  void GoForward() override;
  bool IsLoading() override;
  void Reload() override;
  void ReloadIgnoreCache() override;
  void StopLoad() override;
  int GetIdentifier() override;
  bool IsSame(CefRefPtr<CefBrowser> that) override;
  bool IsPopup() override;
  bool HasDocument() override;
  CefRefPtr<CefFrame> GetMainFrame() override;
  CefRefPtr<CefFrame> GetFocusedFrame() override;
  CefRefPtr<CefFrame> GetFrame(int64 identifier) override;
  CefRefPtr<CefFrame> GetFrame(const CefString& name) override;
  size_t GetFrameCount() override;
  void GetFrameIdentifiers(std::vector<int64>& identifiers) override;
  void GetFrameNames(std::vector<CefString>& names) override;

  // CefBrowserHost methods:
  CefRefPtr<CefBrowser> GetBrowser() override;
  void CloseBrowser(bool force_close) override;
  bool TryCloseBrowser() override;
  void SetFocus(bool focus) override;
  CefWindowHandle GetWindowHandle() override;
  CefWindowHandle GetOpenerWindowHandle() override;
  bool HasView() override;
  CefRefPtr<CefClient> GetClient() override;
  CefRefPtr<CefRequestContext> GetRequestContext() override;
  double GetZoomLevel() override;
  void SetZoomLevel(double zoomLevel) override;
  void RunFileDialog(FileDialogMode mode,
                     const CefString& title,
                     const CefString& default_file_path,
                     const std::vector<CefString>& accept_filters,
                     int selected_accept_filter,
                     CefRefPtr<CefRunFileDialogCallback> callback) override;
  void StartDownload(const CefString& url) override;
  void DownloadImage(const CefString& image_url,
                     bool is_favicon,
                     uint32 max_image_size,
                     bool bypass_cache,
                     CefRefPtr<CefDownloadImageCallback> callback) override;
  void Print() override;
  void PrintToPDF(const CefString& path,
                  const CefPdfPrintSettings& settings,
                  CefRefPtr<CefPdfPrintCallback> callback) override;
  void Find(int identifier,
            const CefString& searchText,
            bool forward,
            bool matchCase,
            bool findNext) override;
  void StopFinding(bool clearSelection) override;
  void ShowDevTools(const CefWindowInfo& windowInfo,
                    CefRefPtr<CefClient> client,
                    const CefBrowserSettings& settings,
                    const CefPoint& inspect_element_at) override;
  void CloseDevTools() override;
  bool HasDevTools() override;
  void GetNavigationEntries(CefRefPtr<CefNavigationEntryVisitor> visitor,
                            bool current_only) override;
  void SetMouseCursorChangeDisabled(bool disabled) override;
  bool IsMouseCursorChangeDisabled() override;
  void ReplaceMisspelling(const CefString& word) override;
  void AddWordToDictionary(const CefString& word) override;
  bool IsWindowRenderingDisabled() override;
  void WasResized() override;
  void WasHidden(bool hidden) override;
  void NotifyScreenInfoChanged() override;
  void Invalidate(PaintElementType type) override;
  void SendExternalBeginFrame() override;
  void SendKeyEvent(const CefKeyEvent& event) override;
  void SendMouseClickEvent(const CefMouseEvent& event,
                           MouseButtonType type,
                           bool mouseUp,
                           int clickCount) override;
  void SendMouseMoveEvent(const CefMouseEvent& event, bool mouseLeave) override;
  void SendMouseWheelEvent(const CefMouseEvent& event, int deltaX, int deltaY) override;
  void SendTouchEvent(const CefTouchEvent& event) override;
  void SendFocusEvent(bool setFocus) override;
  void SendCaptureLostEvent() override;
  void NotifyMoveOrResizeStarted() override;
  int GetWindowlessFrameRate() override;
  void SetWindowlessFrameRate(int frame_rate) override;
  void ImeSetComposition(const CefString& text,
                         const std::vector<CefCompositionUnderline>& underlines,
                         const CefRange& replacement_range,
                         const CefRange& selection_range) override;
  void ImeCommitText(const CefString& text,
                     const CefRange& replacement_range,
                     int relative_cursor_pos) override;
  void ImeFinishComposingText(bool keep_selection) override;
  void ImeCancelComposition() override;
  void DragTargetDragEnter(CefRefPtr<CefDragData> drag_data,
                           const CefMouseEvent& event,
                           DragOperationsMask allowed_ops) override;
  void DragTargetDragOver(const CefMouseEvent& event, DragOperationsMask allowed_ops) override;
  void DragTargetDragLeave() override;
  void DragTargetDrop(const CefMouseEvent& event) override;
  void DragSourceEndedAt(int x, int y, DragOperationsMask op) override;
  void DragSourceSystemDragEnded() override;
  CefRefPtr<CefNavigationEntry> GetVisibleNavigationEntry() override;
  void SetAccessibilityState(cef_state_t accessibility_state) override;
  void SetAutoResizeEnabled(bool enabled,
                            const CefSize& min_size,
                            const CefSize& max_size) override;
  CefRefPtr<CefExtension> GetExtension() override;
  bool IsBackgroundHost() override;
  void SetAudioMuted(bool mute) override;
  bool IsAudioMuted() override;

 private:
  // Navigation steps (navigation.cc), each on the UI thread.
  void BeginNavigation(std::shared_ptr<Navigation> navigation);
  void CommitNavigation(std::shared_ptr<Navigation> navigation, Resource served);
  void ContinueNavigation(std::shared_ptr<Navigation> navigation);
  // The main-frame navigation ends before anything commits: OnLoadError with the code, then
  // the end of loading unless another navigation has begun meanwhile.
  void EndBeforeCommit(const std::shared_ptr<Navigation>& navigation, cef_errorcode_t code,
                       const CefString& text);
  // A main-frame address that a scheme handler factory serves is fetched through it on a
  // loader thread before the document commits (navigation_fetch.cc): true when the fetch
  // has started, and the navigation goes on in FetchArrived.
  bool FetchThroughFactory(std::shared_ptr<Navigation> navigation);
  void FetchArrived(std::shared_ptr<Navigation> navigation,
                    const driver::ResourceReceived& received);
  void FinishStop(CefString url);
  // A response the engine downloads ends the navigation before it commits
  // (navigation_download.cc).
  void EndAsDownload(std::shared_ptr<Navigation> navigation, const Resource& served);
  void EndSubframeAsDownload(CefRefPtr<FrameImpl> frame,
                             const CefString& url,
                             const Resource& served);
  bool StillCurrent(const std::shared_ptr<Navigation>& navigation) const;
  void LoadingStateChanged(bool loading);
  void StartHistoryNavigation(int offset);

  // What the renderer sends, and its end (UI thread).
  void OnRendererMessage(const std::string& bytes);
  void RecordFunctionCall(WireReader& in);
  void OnRendererGone(const ChildExit& exit);
  // Ends the renderer in order (close, CefShutdown).
  void EndRenderer();
  // The frame of that id, current or gone.
  CefRefPtr<FrameImpl> KnownFrame(int64 frame_id) const;

  // Close steps.
  void RunDoClose();
  void RunBeforeClose();

  // The handlers of the browser's client, null when it has none (or no longer one).
  CefRefPtr<CefClient> client() const;
  CefRefPtr<CefLifeSpanHandler> LifeSpan() const;
  CefRefPtr<CefLoadHandler> Load() const;
  CefRefPtr<CefDisplayHandler> Display() const;
  CefRefPtr<CefRequestHandler> Requests() const;
  CefRefPtr<CefRenderHandler> Render() const;

  const int identifier_;
  const int64 main_frame_id_;
  const bool is_popup_;
  const int opener_id_;
  const uintptr_t opener_window_;
  const int inspected_id_;
  const uintptr_t window_;
  const CefWindowInfo window_info_;
  const CefBrowserSettings settings_;
  const std::unique_ptr<WindowlessView> view_ = std::make_unique<WindowlessView>();

  // Guarded by BrowsersMutex().
  CefRefPtr<CefClient> client_;
  CefRefPtr<FrameImpl> main_frame_;
  std::vector<CefRefPtr<FrameImpl>> subframes_;
  std::vector<CefString> history_;
  int history_index_ = -1;
  bool loading_ = false;
  bool has_document_ = false;
  std::shared_ptr<Navigation> navigation_;
  uint64_t requested_navigations_ = 0;
  uint64_t stopped_below_ = 0;
  double zoom_level_ = 0;
  int frame_rate_;
  CefRefPtr<BrowserImpl> devtools_;
  int show_devtools_calls_ = 0;
  int close_requests_ = 0;
  bool close_pending_ = false;
  bool closed_ = false;
  std::vector<driver::Script> scripts_;
  std::vector<CefRect> view_rects_;
  std::shared_ptr<RendererHost> renderer_;
  std::vector<driver::ReceivedMessage> received_;
  // Calls of the driver's recording functions in this browser's pages (BrowsersMutex).
  std::vector<driver::FunctionCall> function_calls_;
  // Every frame the browser had, so that a renderer's message from a frame that has
  // just gone still names it. Let go of at close.
  std::vector<CefRefPtr<FrameImpl>> known_frames_;

  IMPLEMENT_REFCOUNTING(BrowserImpl);
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_BROWSER_BROWSER_IMPL_H_
