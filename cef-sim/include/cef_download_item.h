#ifndef CEF_INCLUDE_CEF_DOWNLOAD_ITEM_H_
#define CEF_INCLUDE_CEF_DOWNLOAD_ITEM_H_

#include "include/cef_base.h"

// A download's state; valid only during the handler call.
class CefDownloadItem : public virtual CefBaseRefCounted {
 public:
  virtual bool IsValid() = 0;
  virtual bool IsInProgress() = 0;
  virtual bool IsComplete() = 0;
  virtual bool IsCanceled() = 0;
  virtual int64 GetCurrentSpeed() = 0;
  virtual int GetPercentComplete() = 0;
  virtual int64 GetTotalBytes() = 0;
  virtual int64 GetReceivedBytes() = 0;
  virtual CefTime GetStartTime() = 0;
  virtual CefTime GetEndTime() = 0;
  virtual CefString GetFullPath() = 0;
  virtual uint32 GetId() = 0;
  virtual CefString GetURL() = 0;
  virtual CefString GetOriginalUrl() = 0;
  virtual CefString GetSuggestedFileName() = 0;
  virtual CefString GetContentDisposition() = 0;
  virtual CefString GetMimeType() = 0;
};

#endif  // CEF_INCLUDE_CEF_DOWNLOAD_ITEM_H_
