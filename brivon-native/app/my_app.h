// The application object of the Java process: answers the engine's start-up questions and,
// once the engine is ready, creates the client all browsers share and the resource factories.
// All of it runs on the pumping thread.
#pragma once

#include "engine/prelude.h"
#include "include/cef_app.h"
#include "include/cef_browser_process_handler.h"

class MyClient;

class MyApp : public CefApp, public CefBrowserProcessHandler {
 public:
  MyApp();
  ~MyApp() override;

  // CefApp methods:
  void OnBeforeCommandLineProcessing(const CefString& process_type,
                                     CefRefPtr<CefCommandLine> command_line) override;
  void OnRegisterCustomSchemes(CefRawPtr<CefSchemeRegistrar> registrar) override;
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override;

  // CefBrowserProcessHandler methods:
  void OnContextInitialized() override;

  CefRefPtr<MyClient> client() const;

 private:
  CefRefPtr<MyClient> client_;

  IMPLEMENT_REFCOUNTING(MyApp);
};
