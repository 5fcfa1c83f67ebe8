#ifndef CEFSIM_SRC_RENDERER_V8_CONTEXT_IMPL_H_
#define CEFSIM_SRC_RENDERER_V8_CONTEXT_IMPL_H_

#include "include/cef_v8.h"
#include "src/renderer/v8_value_impl.h"

namespace cefsim {

// The script context of one document of one frame: its window object and whether the
// document is still there. Renderer thread only.
class V8ContextImpl : public CefV8Context {
 public:
  V8ContextImpl(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame);

  // The document went away: the context is no longer valid and lets go of its window.
  void Invalidate();

  // CefV8Context methods:
  CefRefPtr<CefTaskRunner> GetTaskRunner() override { return nullptr; }
  bool IsValid() override { return valid_; }
  CefRefPtr<CefBrowser> GetBrowser() override;
  CefRefPtr<CefFrame> GetFrame() override;
  CefRefPtr<CefV8Value> GetGlobal() override;
  bool Enter() override;
  bool Exit() override;
  bool IsSame(CefRefPtr<CefV8Context> that) override;
  bool Eval(const CefString& code,
            const CefString& script_url,
            int start_line,
            CefRefPtr<CefV8Value>& retval,
            CefRefPtr<CefV8Exception>& exception) override;

 private:
  bool valid_ = true;
  CefRefPtr<CefBrowser> browser_;
  CefRefPtr<CefFrame> frame_;
  CefRefPtr<V8ValueImpl> window_;

  IMPLEMENT_REFCOUNTING(V8ContextImpl);
};

// Enters a context for a scope; does nothing for null.
class ContextScope {
 public:
  explicit ContextScope(CefRefPtr<CefV8Context> context);
  ~ContextScope();
  ContextScope(const ContextScope&) = delete;
  ContextScope& operator=(const ContextScope&) = delete;

 private:
  CefRefPtr<CefV8Context> context_;
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_RENDERER_V8_CONTEXT_IMPL_H_
