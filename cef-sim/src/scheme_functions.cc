#include <algorithm>
#include <vector>

#include "include/cef_scheme.h"
#include "src/engine.h"
#include "src/lower_ascii.h"
#include "src/scheme_names.h"

// One registration per scheme and domain: a factory for a pair that has one replaces it
// in place, so the order stays that of the pairs' first appearance, and a null factory
// removes it. A domain counts only for a standard scheme; for any other the
// registration is for every host, whatever domain it names.
bool CefRegisterSchemeHandlerFactory(const CefString& scheme_name,
                                     const CefString& domain_name,
                                     CefRefPtr<CefSchemeHandlerFactory> factory) {
  if (scheme_name.empty())
    return false;
  CefString scheme = cefsim::LowerAscii(scheme_name);
  // Released outside the lock: the last release runs client code.
  CefRefPtr<CefSchemeHandlerFactory> dropped;
  {
    std::lock_guard<std::mutex> lock(cefsim::EngineMutex());
    cefsim::EngineState& state = cefsim::State();
    if (!state.running())
      return false;
    CefString domain = cefsim::IsStandardScheme(scheme, state.custom_schemes)
                           ? cefsim::LowerAscii(domain_name)
                           : CefString();
    auto same = std::find_if(state.factories.begin(), state.factories.end(),
                             [&](const cefsim::SchemeRegistration& r) {
                               return r.scheme == scheme && r.domain == domain;
                             });
    if (same == state.factories.end()) {
      if (factory)
        state.factories.push_back(cefsim::SchemeRegistration{scheme, domain, factory});
    } else {
      dropped = same->factory;
      if (factory)
        same->factory = factory;
      else
        state.factories.erase(same);
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
