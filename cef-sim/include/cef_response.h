#ifndef CEF_INCLUDE_CEF_RESPONSE_H_
#define CEF_INCLUDE_CEF_RESPONSE_H_

#include <map>

#include "include/cef_base.h"

// The response a resource handler gives to a request.
class CefResponse : public virtual CefBaseRefCounted {
 public:
  typedef std::multimap<CefString, CefString> HeaderMap;

  static CefRefPtr<CefResponse> Create();

  virtual bool IsReadOnly() = 0;
  virtual cef_errorcode_t GetError() = 0;
  virtual void SetError(cef_errorcode_t error) = 0;
  virtual int GetStatus() = 0;
  virtual void SetStatus(int status) = 0;
  virtual CefString GetStatusText() = 0;
  virtual void SetStatusText(const CefString& statusText) = 0;
  virtual CefString GetMimeType() = 0;
  virtual void SetMimeType(const CefString& mimeType) = 0;
  virtual CefString GetCharset() = 0;
  virtual void SetCharset(const CefString& charset) = 0;
  virtual CefString GetHeader(const CefString& name) = 0;
  virtual void GetHeaderMap(HeaderMap& headerMap) = 0;
  virtual void SetHeaderMap(const HeaderMap& headerMap) = 0;
  virtual CefString GetURL() = 0;
  virtual void SetURL(const CefString& url) = 0;
};

#endif  // CEF_INCLUDE_CEF_RESPONSE_H_
