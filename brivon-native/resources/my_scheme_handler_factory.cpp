#include "resources/my_scheme_handler_factory.h"

#include "resources/my_resource_handler.h"

CefRefPtr<CefResourceHandler> MySchemeHandlerFactory::Create(CefRefPtr<CefBrowser>,
                                                             CefRefPtr<CefFrame>,
                                                             const CefString&,
                                                             CefRefPtr<CefRequest>) {
#if defined(BRIVON_LEGACY)
  // The whole-buffer handler of the legacy build is not served yet: the engine goes on
  // without this factory.
  return nullptr;
#else
  // A fresh handler for every request; it calls no Java until the engine opens it.
  return new MyResourceHandler();
#endif
}
