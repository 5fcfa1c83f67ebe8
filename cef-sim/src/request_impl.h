#ifndef CEFSIM_SRC_REQUEST_IMPL_H_
#define CEFSIM_SRC_REQUEST_IMPL_H_

#include <mutex>

#include "include/cef_request.h"

namespace cefsim {

// A request as the engine hands it to clients: navigation requests are read-only, those
// made with CefRequest::Create writable. Setters on a read-only request do nothing.
class RequestImpl : public CefRequest {
 public:
  RequestImpl();

  // Fills a navigation's request and makes it read-only.
  static CefRefPtr<RequestImpl> ForNavigation(const CefString& url,
                                              ResourceType resource_type,
                                              TransitionType transition_type);

  // CefRequest methods:
  bool IsReadOnly() override;
  CefString GetURL() override;
  void SetURL(const CefString& url) override;
  CefString GetMethod() override;
  void SetMethod(const CefString& method) override;
  void SetReferrer(const CefString& referrer_url, ReferrerPolicy policy) override;
  CefString GetReferrerURL() override;
  ReferrerPolicy GetReferrerPolicy() override;
  CefRefPtr<CefPostData> GetPostData() override;
  void SetPostData(CefRefPtr<CefPostData> postData) override;
  void GetHeaderMap(HeaderMap& headerMap) override;
  void SetHeaderMap(const HeaderMap& headerMap) override;
  CefString GetHeaderByName(const CefString& name) override;
  void SetHeaderByName(const CefString& name, const CefString& value, bool overwrite) override;
  void Set(const CefString& url,
           const CefString& method,
           CefRefPtr<CefPostData> postData,
           const HeaderMap& headerMap) override;
  int GetFlags() override;
  void SetFlags(int flags) override;
  CefString GetFirstPartyForCookies() override;
  void SetFirstPartyForCookies(const CefString& url) override;
  ResourceType GetResourceType() override;
  TransitionType GetTransitionType() override;
  uint64 GetIdentifier() override;

 private:
  std::mutex mutex_;
  bool read_only_ = false;
  CefString url_;
  CefString method_;
  CefString referrer_url_;
  ReferrerPolicy referrer_policy_;
  CefRefPtr<CefPostData> post_data_;
  HeaderMap headers_;
  int flags_ = 0;
  CefString first_party_;
  ResourceType resource_type_ = RT_SUB_RESOURCE;
  TransitionType transition_type_ = TT_EXPLICIT;
  uint64 identifier_ = 0;

  IMPLEMENT_REFCOUNTING(RequestImpl);
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_REQUEST_IMPL_H_
