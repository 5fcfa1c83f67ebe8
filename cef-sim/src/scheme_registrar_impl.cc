#include "src/scheme_registrar_impl.h"

namespace cefsim {

bool SchemeRegistrarImpl::AddCustomScheme(const CefString& scheme_name, int options) {
  if (scheme_name.empty())
    return false;
  // A scheme is registered once; a second registration does not change its options.
  for (const CustomSchemeRecord& s : schemes_) {
    if (s.name == scheme_name)
      return false;
  }
  schemes_.push_back(CustomSchemeRecord{scheme_name, options});
  return true;
}

}  // namespace cefsim
