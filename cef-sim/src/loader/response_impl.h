#ifndef CEFSIM_SRC_LOADER_RESPONSE_IMPL_H_
#define CEFSIM_SRC_LOADER_RESPONSE_IMPL_H_

#include <mutex>

#include "include/cef_response.h"

namespace cefsim {

// The writable response a resource handler fills in GetResponseHeaders.
class ResponseImpl : public CefResponse {
 public:
  bool IsReadOnly() override { return false; }
  cef_errorcode_t GetError() override;
  void SetError(cef_errorcode_t error) override;
  int GetStatus() override;
  void SetStatus(int status) override;
  CefString GetStatusText() override;
  void SetStatusText(const CefString& status_text) override;
  CefString GetMimeType() override;
  void SetMimeType(const CefString& mime_type) override;
  CefString GetCharset() override;
  void SetCharset(const CefString& charset) override;
  CefString GetHeader(const CefString& name) override;
  void GetHeaderMap(HeaderMap& header_map) override;
  void SetHeaderMap(const HeaderMap& header_map) override;
  CefString GetURL() override;
  void SetURL(const CefString& url) override;

 private:
  std::mutex mutex_;
  cef_errorcode_t error_ = ERR_NONE;
  int status_ = 0;
  CefString status_text_;
  CefString mime_type_;
  CefString charset_;
  HeaderMap headers_;
  CefString url_;

  IMPLEMENT_REFCOUNTING(ResponseImpl);
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_LOADER_RESPONSE_IMPL_H_
