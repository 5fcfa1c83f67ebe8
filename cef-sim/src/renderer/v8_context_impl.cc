// Script contexts and the renderer thread's stack of entered ones.

#include "src/renderer/v8_context_impl.h"

#include <vector>

namespace cefsim {
namespace {

std::vector<CefRefPtr<CefV8Context>>& Entered() {
  static thread_local std::vector<CefRefPtr<CefV8Context>> entered;
  return entered;
}

}  // namespace

V8ContextImpl::V8ContextImpl(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame)
    : browser_(browser), frame_(frame), window_(V8ValueImpl::Make(V8ValueImpl::Kind::kObject)) {}

void V8ContextImpl::Invalidate() {
  valid_ = false;
  // The window's functions hold their handlers, which may hold this context, and the
  // frame holds this context: let go of all of it.
  window_ = nullptr;
  frame_ = nullptr;
  browser_ = nullptr;
}

CefRefPtr<CefBrowser> V8ContextImpl::GetBrowser() {
  return valid_ ? browser_ : nullptr;
}

CefRefPtr<CefFrame> V8ContextImpl::GetFrame() {
  return valid_ ? frame_ : nullptr;
}

CefRefPtr<CefV8Value> V8ContextImpl::GetGlobal() {
  return valid_ ? window_.get() : nullptr;
}

bool V8ContextImpl::Enter() {
  if (!valid_)
    return false;
  Entered().push_back(this);
  return true;
}

bool V8ContextImpl::Exit() {
  std::vector<CefRefPtr<CefV8Context>>& entered = Entered();
  if (entered.empty() || entered.back().get() != this)
    return false;
  entered.pop_back();
  return true;
}

bool V8ContextImpl::IsSame(CefRefPtr<CefV8Context> that) {
  return that.get() == this;
}

bool V8ContextImpl::Eval(const CefString&,
                         const CefString&,
                         int,
                         CefRefPtr<CefV8Value>& retval,
                         CefRefPtr<CefV8Exception>& exception) {
  // No interpreter: the driver plays the page's code.
  retval = nullptr;
  exception = new V8ExceptionImpl("Error: the stand-in engine does not evaluate script");
  return false;
}

ContextScope::ContextScope(CefRefPtr<CefV8Context> context) : context_(context) {
  if (context_ && !context_->Enter())
    context_ = nullptr;
}

ContextScope::~ContextScope() {
  if (context_)
    context_->Exit();
}

}  // namespace cefsim

CefRefPtr<CefV8Context> CefV8Context::GetCurrentContext() {
  std::vector<CefRefPtr<CefV8Context>>& entered = cefsim::Entered();
  return entered.empty() ? nullptr : entered.back();
}

CefRefPtr<CefV8Context> CefV8Context::GetEnteredContext() {
  return GetCurrentContext();
}

bool CefV8Context::InContext() {
  return !cefsim::Entered().empty();
}
