#ifndef CEF_INCLUDE_CEF_SCHEME_H_
#define CEF_INCLUDE_CEF_SCHEME_H_

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_request.h"
#include "include/cef_resource_handler.h"
#include "include/cef_response.h"

// Registers custom schemes; valid only during OnRegisterCustomSchemes.
class CefSchemeRegistrar : public CefBaseScoped {
 public:
  virtual bool AddCustomScheme(const CefString& scheme_name, int options) = 0;
};

// Makes resource handlers for the requests of one scheme (and domain), on the
// loading threads. A null handler lets the engine go on without the factory.
class CefSchemeHandlerFactory : public virtual CefBaseRefCounted {
 public:
  virtual CefRefPtr<CefResourceHandler> Create(CefRefPtr<CefBrowser> browser,
                                               CefRefPtr<CefFrame> frame,
                                               const CefString& scheme_name,
                                               CefRefPtr<CefRequest> request) = 0;
};

// Offers requests whose scheme (and, for a standard scheme, host) match to factory; an
// empty domain_name matches every host. The engine keeps factory until it is replaced,
// CefClearSchemeHandlerFactories or CefShutdown; a null factory removes the registration.
bool CefRegisterSchemeHandlerFactory(const CefString& scheme_name,
                                     const CefString& domain_name,
                                     CefRefPtr<CefSchemeHandlerFactory> factory);

bool CefClearSchemeHandlerFactories();

#endif  // CEF_INCLUDE_CEF_SCHEME_H_
