#include <algorithm>
#include <string>
#include <vector>

#include "include/cef_scheme.h"
#include "src/engine.h"

namespace {

CefString LowerAscii(const CefString& text) {
  base::string16 out = text.ToString16();
  for (auto& c : out) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char16>(c - 'A' + 'a');
  }
  return CefString(out);
}

}  // namespace

// A registration for a scheme and domain that already have one replaces its factory
// in place; the order of the registrations stays that of their first appearance.
bool CefRegisterSchemeHandlerFactory(const CefString& scheme_name,
                                     const CefString& domain_name,
                                     CefRefPtr<CefSchemeHandlerFactory> factory) {
  if (scheme_name.empty() || !factory)
    return false;
  CefString scheme = LowerAscii(scheme_name);
  CefRefPtr<CefSchemeHandlerFactory> replaced;
  {
    std::lock_guard<std::mutex> lock(cefsim::EngineMutex());
    cefsim::EngineState& state = cefsim::State();
    if (!state.running())
      return false;
    auto same = std::find_if(state.factories.begin(), state.factories.end(),
                             [&](const cefsim::SchemeRegistration& r) {
                               return r.scheme == scheme && r.domain == domain_name;
                             });
    if (same != state.factories.end()) {
      replaced = std::move(same->factory);
      same->factory = factory;
    } else {
      state.factories.push_back(cefsim::SchemeRegistration{scheme, domain_name, factory});
    }
  }
  return true;
}

bool CefClearSchemeHandlerFactories() {
  std::vector<cefsim::SchemeRegistration> cleared;
  {
    std::lock_guard<std::mutex> lock(cefsim::EngineMutex());
    if (!cefsim::State().running())
      return false;
    cleared.swap(cefsim::State().factories);
  }
  return true;
}
