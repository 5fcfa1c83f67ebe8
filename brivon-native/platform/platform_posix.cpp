#include "platform/platform.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#if defined(BRIVON_STAND_IN_ENGINE)
#include "cefsim/native_windows.h"
#endif

namespace brivon::platform {
namespace {

// The engine may keep the argument pointers, so they live as long as the process.
struct ProcessArguments {
  std::vector<std::string> values;
  std::vector<char*> pointers;

  ProcessArguments() {
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t start = 0;
    while (start < raw.size()) {
      const size_t end = raw.find('\0', start);
      values.push_back(raw.substr(start, end == std::string::npos ? end : end - start));
      if (end == std::string::npos) break;
      start = end + 1;
    }
    for (std::string& value : values) pointers.push_back(value.data());
    pointers.push_back(nullptr);
  }
};

}  // namespace

CefMainArgs MainArgs() {
  static ProcessArguments arguments;
  return CefMainArgs(static_cast<int>(arguments.values.size()), arguments.pointers.data());
}

bool IsWindow(uintptr_t handle) {
#if defined(BRIVON_STAND_IN_ENGINE)
  return cefsim::driver::IsNativeWindow(handle);
#else
  // No window system the bridge knows of outside Windows and the stand-in.
  (void)handle;
  return false;
#endif
}

}  // namespace brivon::platform
