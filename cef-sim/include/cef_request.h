#ifndef CEF_INCLUDE_CEF_REQUEST_H_
#define CEF_INCLUDE_CEF_REQUEST_H_

#include <map>

#include "include/cef_base.h"

class CefPostData;

// The body of a request. The project never reads it.
class CefPostData : public virtual CefBaseRefCounted {};

// A request of a page or a navigation.
class CefRequest : public virtual CefBaseRefCounted {
 public:
  typedef std::multimap<CefString, CefString> HeaderMap;
  typedef cef_referrer_policy_t ReferrerPolicy;
  typedef cef_resource_type_t ResourceType;
  typedef cef_transition_type_t TransitionType;

  static CefRefPtr<CefRequest> Create();

  virtual bool IsReadOnly() = 0;
  virtual CefString GetURL() = 0;
  virtual void SetURL(const CefString& url) = 0;
  virtual CefString GetMethod() = 0;
  virtual void SetMethod(const CefString& method) = 0;
  virtual void SetReferrer(const CefString& referrer_url, ReferrerPolicy policy) = 0;
  virtual CefString GetReferrerURL() = 0;
  virtual ReferrerPolicy GetReferrerPolicy() = 0;
  virtual CefRefPtr<CefPostData> GetPostData() = 0;
  virtual void SetPostData(CefRefPtr<CefPostData> postData) = 0;
  virtual void GetHeaderMap(HeaderMap& headerMap) = 0;
  virtual void SetHeaderMap(const HeaderMap& headerMap) = 0;
  virtual CefString GetHeaderByName(const CefString& name) = 0;
  virtual void SetHeaderByName(const CefString& name, const CefString& value, bool overwrite) = 0;
  virtual void Set(const CefString& url,
                   const CefString& method,
                   CefRefPtr<CefPostData> postData,
                   const HeaderMap& headerMap) = 0;
  virtual int GetFlags() = 0;
  virtual void SetFlags(int flags) = 0;
  virtual CefString GetFirstPartyForCookies() = 0;
  virtual void SetFirstPartyForCookies(const CefString& url) = 0;
  virtual ResourceType GetResourceType() = 0;
  virtual TransitionType GetTransitionType() = 0;
  virtual uint64 GetIdentifier() = 0;
};

#endif  // CEF_INCLUDE_CEF_REQUEST_H_
