#ifndef CEF_INCLUDE_CEF_APP_H_
#define CEF_INCLUDE_CEF_APP_H_

#include "include/cef_base.h"
#include "include/cef_browser_process_handler.h"
#include "include/cef_command_line.h"
#include "include/cef_render_process_handler.h"
#include "include/cef_resource_bundle_handler.h"
#include "include/cef_scheme.h"

class CefApp;

// Runs a child process of the engine (its command line has a --type= switch) to its
// end and returns its exit code (0 or more); returns -1 at once in any other process.
int CefExecuteProcess(const CefMainArgs& args,
                      CefRefPtr<CefApp> application,
                      void* windows_sandbox_info);

// Starts the engine in the browser process; the calling thread becomes its UI thread.
// False when the engine cannot start, for example when it already runs.
bool CefInitialize(const CefMainArgs& args,
                   const CefSettings& settings,
                   CefRefPtr<CefApp> application,
                   void* windows_sandbox_info);

// Stops the engine; on the thread that called CefInitialize.
void CefShutdown();

// Does one round of the UI thread's pending work and returns.
void CefDoMessageLoopWork();

// Runs the UI thread's work until CefQuitMessageLoop.
void CefRunMessageLoop();
void CefQuitMessageLoop();

void CefEnableHighDPISupport();

// The application's answers to the engine, in the browser and in child processes.
class CefApp : public virtual CefBaseRefCounted {
 public:
  virtual void OnBeforeCommandLineProcessing(const CefString& /*process_type*/,
                                             CefRefPtr<CefCommandLine> /*command_line*/) {}
  virtual void OnRegisterCustomSchemes(CefRawPtr<CefSchemeRegistrar> /*registrar*/) {}
  virtual CefRefPtr<CefResourceBundleHandler> GetResourceBundleHandler() { return nullptr; }
  virtual CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() { return nullptr; }
  virtual CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() { return nullptr; }
};

#endif  // CEF_INCLUDE_CEF_APP_H_
