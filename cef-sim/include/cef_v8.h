#ifndef CEF_INCLUDE_CEF_V8_H_
#define CEF_INCLUDE_CEF_V8_H_

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_task.h"

class CefV8Exception;
class CefV8Value;

// A JavaScript value. The project reaches values only through the message router.
class CefV8Value : public virtual CefBaseRefCounted {};

// A JavaScript exception. Not used by the project.
class CefV8Exception : public virtual CefBaseRefCounted {};

// A JavaScript stack trace. Not used by the project.
class CefV8StackTrace : public virtual CefBaseRefCounted {};

// One JavaScript context: the document of one frame, in the renderer.
class CefV8Context : public virtual CefBaseRefCounted {
 public:
  static CefRefPtr<CefV8Context> GetCurrentContext();
  static CefRefPtr<CefV8Context> GetEnteredContext();
  static bool InContext();

  virtual CefRefPtr<CefTaskRunner> GetTaskRunner() = 0;
  virtual bool IsValid() = 0;
  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  virtual CefRefPtr<CefFrame> GetFrame() = 0;
  virtual CefRefPtr<CefV8Value> GetGlobal() = 0;
  virtual bool Enter() = 0;
  virtual bool Exit() = 0;
  virtual bool IsSame(CefRefPtr<CefV8Context> that) = 0;
  virtual bool Eval(const CefString& code,
                    const CefString& script_url,
                    int start_line,
                    CefRefPtr<CefV8Value>& retval,
                    CefRefPtr<CefV8Exception>& exception) = 0;
};

#endif  // CEF_INCLUDE_CEF_V8_H_
