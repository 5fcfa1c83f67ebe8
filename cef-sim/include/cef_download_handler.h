#ifndef CEF_INCLUDE_CEF_DOWNLOAD_HANDLER_H_
#define CEF_INCLUDE_CEF_DOWNLOAD_HANDLER_H_

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_download_item.h"

// Lets a download start, at the given path or through a Save dialog.
class CefBeforeDownloadCallback : public virtual CefBaseRefCounted {
 public:
  virtual void Continue(const CefString& download_path, bool show_dialog) = 0;
};

// Controls a download in progress.
class CefDownloadItemCallback : public virtual CefBaseRefCounted {
 public:
  virtual void Cancel() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
};

// Downloads, on the UI thread. Without Continue a download is cancelled.
class CefDownloadHandler : public virtual CefBaseRefCounted {
 public:
  virtual void OnBeforeDownload(CefRefPtr<CefBrowser> browser,
                                CefRefPtr<CefDownloadItem> download_item,
                                const CefString& suggested_name,
                                CefRefPtr<CefBeforeDownloadCallback> callback) = 0;
  virtual void OnDownloadUpdated(CefRefPtr<CefBrowser> /*browser*/,
                                 CefRefPtr<CefDownloadItem> /*download_item*/,
                                 CefRefPtr<CefDownloadItemCallback> /*callback*/) {}
};

#endif  // CEF_INCLUDE_CEF_DOWNLOAD_HANDLER_H_
