#include "src/scheme_registrar_impl.h"

#include "src/lower_ascii.h"
#include "src/scheme_names.h"

namespace cefsim {

bool SchemeRegistrarImpl::AddCustomScheme(const CefString& scheme_name, int options) {
  CefString name = LowerAscii(scheme_name);
  if (name.empty() || IsBuiltInScheme(name))
    return false;
  // A scheme is registered once; a second registration does not change its options.
  for (const CustomSchemeRecord& s : schemes_) {
    if (s.name == name)
      return false;
  }
  schemes_.push_back(CustomSchemeRecord{name, options});
  return true;
}

}  // namespace cefsim
