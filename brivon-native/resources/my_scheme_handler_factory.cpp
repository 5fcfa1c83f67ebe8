#include "resources/my_scheme_handler_factory.h"

#include "resources/legacy_resource_handler.h"
#include "resources/my_resource_handler.h"

CefRefPtr<CefResourceHandler> MySchemeHandlerFactory::Create(CefRefPtr<CefBrowser>,
                                                             CefRefPtr<CefFrame>,
                                                             const CefString&,
                                                             CefRefPtr<CefRequest>) {
  // A fresh handler for every request; it calls no Java until the engine opens it.
#if defined(BRIVON_LEGACY)
  return new LegacyResourceHandler();
#else
  return new MyResourceHandler();
#endif
}
