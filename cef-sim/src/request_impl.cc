#include "src/request_impl.h"

#include <atomic>

#include "src/lower_ascii.h"

namespace cefsim {
namespace {

// Header names compare without regard to ASCII case, as HTTP has them.
bool SameHeader(const CefString& a, const CefString& b) {
  return LowerAscii(a) == LowerAscii(b);
}

}  // namespace

RequestImpl::RequestImpl() : method_("GET"), referrer_policy_(REFERRER_POLICY_DEFAULT) {}

CefRefPtr<RequestImpl> RequestImpl::ForNavigation(const CefString& url,
                                                  ResourceType resource_type,
                                                  TransitionType transition_type) {
  static std::atomic<uint64> next_identifier{1};
  CefRefPtr<RequestImpl> request = new RequestImpl();
  request->url_ = url;
  request->resource_type_ = resource_type;
  request->transition_type_ = transition_type;
  request->identifier_ = next_identifier++;
  request->read_only_ = true;
  return request;
}

bool RequestImpl::IsReadOnly() {
  std::lock_guard<std::mutex> lock(mutex_);
  return read_only_;
}

CefString RequestImpl::GetURL() {
  std::lock_guard<std::mutex> lock(mutex_);
  return url_;
}

void RequestImpl::SetURL(const CefString& url) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!read_only_)
    url_ = url;
}

CefString RequestImpl::GetMethod() {
  std::lock_guard<std::mutex> lock(mutex_);
  return method_;
}

void RequestImpl::SetMethod(const CefString& method) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!read_only_)
    method_ = method;
}

void RequestImpl::SetReferrer(const CefString& referrer_url, ReferrerPolicy policy) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (read_only_)
    return;
  referrer_url_ = referrer_url;
  referrer_policy_ = policy;
}

CefString RequestImpl::GetReferrerURL() {
  std::lock_guard<std::mutex> lock(mutex_);
  return referrer_url_;
}

CefRequest::ReferrerPolicy RequestImpl::GetReferrerPolicy() {
  std::lock_guard<std::mutex> lock(mutex_);
  return referrer_policy_;
}

CefRefPtr<CefPostData> RequestImpl::GetPostData() {
  std::lock_guard<std::mutex> lock(mutex_);
  return post_data_;
}

void RequestImpl::SetPostData(CefRefPtr<CefPostData> postData) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!read_only_)
    post_data_ = postData;
}

void RequestImpl::GetHeaderMap(HeaderMap& headerMap) {
  std::lock_guard<std::mutex> lock(mutex_);
  headerMap = headers_;
}

void RequestImpl::SetHeaderMap(const HeaderMap& headerMap) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!read_only_)
    headers_ = headerMap;
}

CefString RequestImpl::GetHeaderByName(const CefString& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const auto& header : headers_) {
    if (SameHeader(header.first, name))
      return header.second;
  }
  return CefString();
}

void RequestImpl::SetHeaderByName(const CefString& name,
                                  const CefString& value,
                                  bool overwrite) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (read_only_)
    return;
  for (auto& header : headers_) {
    if (SameHeader(header.first, name)) {
      if (overwrite)
        header.second = value;
      return;
    }
  }
  headers_.insert(std::make_pair(name, value));
}

void RequestImpl::Set(const CefString& url,
                      const CefString& method,
                      CefRefPtr<CefPostData> postData,
                      const HeaderMap& headerMap) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (read_only_)
    return;
  url_ = url;
  method_ = method;
  post_data_ = postData;
  headers_ = headerMap;
}

int RequestImpl::GetFlags() {
  std::lock_guard<std::mutex> lock(mutex_);
  return flags_;
}

void RequestImpl::SetFlags(int flags) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!read_only_)
    flags_ = flags;
}

CefString RequestImpl::GetFirstPartyForCookies() {
  std::lock_guard<std::mutex> lock(mutex_);
  return first_party_;
}

void RequestImpl::SetFirstPartyForCookies(const CefString& url) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!read_only_)
    first_party_ = url;
}

CefRequest::ResourceType RequestImpl::GetResourceType() {
  std::lock_guard<std::mutex> lock(mutex_);
  return resource_type_;
}

CefRequest::TransitionType RequestImpl::GetTransitionType() {
  std::lock_guard<std::mutex> lock(mutex_);
  return transition_type_;
}

uint64 RequestImpl::GetIdentifier() {
  std::lock_guard<std::mutex> lock(mutex_);
  return identifier_;
}

}  // namespace cefsim

CefRefPtr<CefRequest> CefRequest::Create() {
  return new cefsim::RequestImpl();
}
