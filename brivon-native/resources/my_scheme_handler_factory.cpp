#include "resources/my_scheme_handler_factory.h"

CefRefPtr<CefResourceHandler> MySchemeHandlerFactory::Create(CefRefPtr<CefBrowser>,
                                                             CefRefPtr<CefFrame>,
                                                             const CefString&,
                                                             CefRefPtr<CefRequest>) {
  // No Java-backed handler is served yet: the engine goes on without this factory.
  return nullptr;
}
