#ifndef CEF_INCLUDE_CEF_BROWSER_H_
#define CEF_INCLUDE_CEF_BROWSER_H_

#include <vector>

#include "include/cef_base.h"
#include "include/cef_drag_data.h"
#include "include/cef_extension.h"
#include "include/cef_frame.h"
#include "include/cef_image.h"
#include "include/cef_navigation_entry.h"
#include "include/cef_process_message.h"
#include "include/cef_request_context.h"

class CefBrowserHost;
class CefClient;

// One browser: its history, loading state and frames.
class CefBrowser : public virtual CefBaseRefCounted {
 public:
  virtual CefRefPtr<CefBrowserHost> GetHost() = 0;
  virtual bool CanGoBack() = 0;
  virtual void GoBack() = 0;
  virtual bool CanGoForward() = 0;
  virtual void GoForward() = 0;
  virtual bool IsLoading() = 0;
  virtual void Reload() = 0;
  virtual void ReloadIgnoreCache() = 0;
  virtual void StopLoad() = 0;
  virtual int GetIdentifier() = 0;
  virtual bool IsSame(CefRefPtr<CefBrowser> that) = 0;
  virtual bool IsPopup() = 0;
  virtual bool HasDocument() = 0;
  virtual CefRefPtr<CefFrame> GetMainFrame() = 0;
  virtual CefRefPtr<CefFrame> GetFocusedFrame() = 0;
  virtual CefRefPtr<CefFrame> GetFrame(int64 identifier) = 0;
  virtual CefRefPtr<CefFrame> GetFrame(const CefString& name) = 0;
  virtual size_t GetFrameCount() = 0;
  virtual void GetFrameIdentifiers(std::vector<int64>& identifiers) = 0;
  virtual void GetFrameNames(std::vector<CefString>& names) = 0;
};

// Receives the files chosen in a dialog. Not used by the project.
class CefRunFileDialogCallback : public virtual CefBaseRefCounted {};

// Visits the navigation history. Not used by the project.
class CefNavigationEntryVisitor : public virtual CefBaseRefCounted {};

// Learns when printing to PDF ends. Not used by the project.
class CefPdfPrintCallback : public virtual CefBaseRefCounted {};

// Receives a downloaded image. Not used by the project.
class CefDownloadImageCallback : public virtual CefBaseRefCounted {};

// The browser-process side of a browser: its window or view, input and tools.
// Its operations run on the UI thread.
class CefBrowserHost : public virtual CefBaseRefCounted {
 public:
  typedef cef_drag_operations_mask_t DragOperationsMask;
  typedef cef_file_dialog_mode_t FileDialogMode;
  typedef cef_mouse_button_type_t MouseButtonType;
  typedef cef_paint_element_type_t PaintElementType;

  static bool CreateBrowser(const CefWindowInfo& windowInfo,
                            CefRefPtr<CefClient> client,
                            const CefString& url,
                            const CefBrowserSettings& settings,
                            CefRefPtr<CefDictionaryValue> extra_info,
                            CefRefPtr<CefRequestContext> request_context);
  static CefRefPtr<CefBrowser> CreateBrowserSync(const CefWindowInfo& windowInfo,
                                                 CefRefPtr<CefClient> client,
                                                 const CefString& url,
                                                 const CefBrowserSettings& settings,
                                                 CefRefPtr<CefDictionaryValue> extra_info,
                                                 CefRefPtr<CefRequestContext> request_context);

  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  virtual void CloseBrowser(bool force_close) = 0;
  virtual bool TryCloseBrowser() = 0;
  virtual void SetFocus(bool focus) = 0;
  virtual CefWindowHandle GetWindowHandle() = 0;
  virtual CefWindowHandle GetOpenerWindowHandle() = 0;
  virtual bool HasView() = 0;
  virtual CefRefPtr<CefClient> GetClient() = 0;
  virtual CefRefPtr<CefRequestContext> GetRequestContext() = 0;
  virtual double GetZoomLevel() = 0;
  virtual void SetZoomLevel(double zoomLevel) = 0;
  virtual void RunFileDialog(FileDialogMode mode,
                             const CefString& title,
                             const CefString& default_file_path,
                             const std::vector<CefString>& accept_filters,
                             int selected_accept_filter,
                             CefRefPtr<CefRunFileDialogCallback> callback) = 0;
  virtual void StartDownload(const CefString& url) = 0;
  virtual void DownloadImage(const CefString& image_url,
                             bool is_favicon,
                             uint32 max_image_size,
                             bool bypass_cache,
                             CefRefPtr<CefDownloadImageCallback> callback) = 0;
  virtual void Print() = 0;
  virtual void PrintToPDF(const CefString& path,
                          const CefPdfPrintSettings& settings,
                          CefRefPtr<CefPdfPrintCallback> callback) = 0;
  virtual void Find(int identifier,
                    const CefString& searchText,
                    bool forward,
                    bool matchCase,
                    bool findNext) = 0;
  virtual void StopFinding(bool clearSelection) = 0;
  virtual void ShowDevTools(const CefWindowInfo& windowInfo,
                            CefRefPtr<CefClient> client,
                            const CefBrowserSettings& settings,
                            const CefPoint& inspect_element_at) = 0;
  virtual void CloseDevTools() = 0;
  virtual bool HasDevTools() = 0;
  virtual void GetNavigationEntries(CefRefPtr<CefNavigationEntryVisitor> visitor,
                                    bool current_only) = 0;
  virtual void SetMouseCursorChangeDisabled(bool disabled) = 0;
  virtual bool IsMouseCursorChangeDisabled() = 0;
  virtual void ReplaceMisspelling(const CefString& word) = 0;
  virtual void AddWordToDictionary(const CefString& word) = 0;
  virtual bool IsWindowRenderingDisabled() = 0;
  virtual void WasResized() = 0;
  virtual void WasHidden(bool hidden) = 0;
  virtual void NotifyScreenInfoChanged() = 0;
  virtual void Invalidate(PaintElementType type) = 0;
  virtual void SendExternalBeginFrame() = 0;
  virtual void SendKeyEvent(const CefKeyEvent& event) = 0;
  virtual void SendMouseClickEvent(const CefMouseEvent& event,
                                   MouseButtonType type,
                                   bool mouseUp,
                                   int clickCount) = 0;
  virtual void SendMouseMoveEvent(const CefMouseEvent& event, bool mouseLeave) = 0;
  virtual void SendMouseWheelEvent(const CefMouseEvent& event, int deltaX, int deltaY) = 0;
  virtual void SendTouchEvent(const CefTouchEvent& event) = 0;
  virtual void SendFocusEvent(bool setFocus) = 0;
  virtual void SendCaptureLostEvent() = 0;
  virtual void NotifyMoveOrResizeStarted() = 0;
  virtual int GetWindowlessFrameRate() = 0;
  virtual void SetWindowlessFrameRate(int frame_rate) = 0;
  virtual void ImeSetComposition(const CefString& text,
                                 const std::vector<CefCompositionUnderline>& underlines,
                                 const CefRange& replacement_range,
                                 const CefRange& selection_range) = 0;
  virtual void ImeCommitText(const CefString& text,
                             const CefRange& replacement_range,
                             int relative_cursor_pos) = 0;
  virtual void ImeFinishComposingText(bool keep_selection) = 0;
  virtual void ImeCancelComposition() = 0;
  virtual void DragTargetDragEnter(CefRefPtr<CefDragData> drag_data,
                                   const CefMouseEvent& event,
                                   DragOperationsMask allowed_ops) = 0;
  virtual void DragTargetDragOver(const CefMouseEvent& event, DragOperationsMask allowed_ops) = 0;
  virtual void DragTargetDragLeave() = 0;
  virtual void DragTargetDrop(const CefMouseEvent& event) = 0;
  virtual void DragSourceEndedAt(int x, int y, DragOperationsMask op) = 0;
  virtual void DragSourceSystemDragEnded() = 0;
  virtual CefRefPtr<CefNavigationEntry> GetVisibleNavigationEntry() = 0;
  virtual void SetAccessibilityState(cef_state_t accessibility_state) = 0;
  virtual void SetAutoResizeEnabled(bool enabled,
                                    const CefSize& min_size,
                                    const CefSize& max_size) = 0;
  virtual CefRefPtr<CefExtension> GetExtension() = 0;
  virtual bool IsBackgroundHost() = 0;
  virtual void SetAudioMuted(bool mute) = 0;
  virtual bool IsAudioMuted() = 0;
};

#endif  // CEF_INCLUDE_CEF_BROWSER_H_
