#include "src/scheme_names.h"

#include <algorithm>
#include <iterator>

namespace cefsim {
namespace {

struct BuiltInScheme {
  const char* name;
  bool standard;
};

constexpr BuiltInScheme kBuiltInSchemes[] = {
    {"about", false},           {"blob", false},
    {"chrome", true},           {"chrome-devtools", true},
    {"chrome-extension", true}, {"data", false},
    {"file", true},             {"filesystem", true},
    {"ftp", true},              {"http", true},
    {"https", true},            {"javascript", false},
    {"ws", true},               {"wss", true},
};

const BuiltInScheme* FindBuiltIn(const CefString& scheme) {
  auto it = std::find_if(std::begin(kBuiltInSchemes), std::end(kBuiltInSchemes),
                         [&](const BuiltInScheme& s) { return scheme == CefString(s.name); });
  return it == std::end(kBuiltInSchemes) ? nullptr : it;
}

}  // namespace

bool IsBuiltInScheme(const CefString& scheme) {
  return FindBuiltIn(scheme) != nullptr;
}

bool IsStandardScheme(const CefString& scheme, const std::vector<CustomSchemeRecord>& custom) {
  if (const BuiltInScheme* built_in = FindBuiltIn(scheme))
    return built_in->standard;
  return std::any_of(custom.begin(), custom.end(), [&](const CustomSchemeRecord& r) {
    return r.name == scheme && (r.options & CEF_SCHEME_OPTION_STANDARD) != 0;
  });
}

}  // namespace cefsim
