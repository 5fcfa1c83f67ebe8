#include "src/loader/response_impl.h"

namespace cefsim {

#define CEFSIM_FIELD(Type, Get, Set, field)        \
  Type ResponseImpl::Get() {                       \
    std::lock_guard<std::mutex> lock(mutex_);      \
    return field;                                  \
  }                                                \
  void ResponseImpl::Set(const Type& value) {      \
    std::lock_guard<std::mutex> lock(mutex_);      \
    field = value;                                 \
  }

cef_errorcode_t ResponseImpl::GetError() {
  std::lock_guard<std::mutex> lock(mutex_);
  return error_;
}
void ResponseImpl::SetError(cef_errorcode_t error) {
  std::lock_guard<std::mutex> lock(mutex_);
  error_ = error;
}
int ResponseImpl::GetStatus() {
  std::lock_guard<std::mutex> lock(mutex_);
  return status_;
}
void ResponseImpl::SetStatus(int status) {
  std::lock_guard<std::mutex> lock(mutex_);
  status_ = status;
}
CEFSIM_FIELD(CefString, GetStatusText, SetStatusText, status_text_)
CEFSIM_FIELD(CefString, GetMimeType, SetMimeType, mime_type_)
CEFSIM_FIELD(CefString, GetCharset, SetCharset, charset_)
CEFSIM_FIELD(CefString, GetURL, SetURL, url_)

#undef CEFSIM_FIELD

CefString ResponseImpl::GetHeader(const CefString& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = headers_.find(name);
  return it == headers_.end() ? CefString() : it->second;
}
void ResponseImpl::GetHeaderMap(HeaderMap& header_map) {
  std::lock_guard<std::mutex> lock(mutex_);
  header_map = headers_;
}
void ResponseImpl::SetHeaderMap(const HeaderMap& header_map) {
  std::lock_guard<std::mutex> lock(mutex_);
  headers_ = header_map;
}

}  // namespace cefsim
