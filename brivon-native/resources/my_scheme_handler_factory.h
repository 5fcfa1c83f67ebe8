// Offers the requests of the Java-served schemes and hosts to the Java resource handler.
// Created on the pumping thread; Create runs on the engine's loading threads.
#pragma once

#include "engine/prelude.h"
#include "include/cef_scheme.h"

class MySchemeHandlerFactory : public CefSchemeHandlerFactory {
 public:
  // CefSchemeHandlerFactory methods:
  CefRefPtr<CefResourceHandler> Create(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                       const CefString& scheme_name,
                                       CefRefPtr<CefRequest> request) override;

 private:
  IMPLEMENT_REFCOUNTING(MySchemeHandlerFactory);
};
