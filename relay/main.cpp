// linkrelay: hands its payload to a running window, or opens a file with it. No window, no
// output: the exit code is the only report.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "relay.h"
#include "win32_system.h"

namespace {

class ArgvBlock {
 public:
  explicit ArgvBlock(const wchar_t* commandLine) : items_(CommandLineToArgvW(commandLine, &count_)) {}
  ~ArgvBlock() {
    if (items_ != nullptr) {
      LocalFree(items_);
    }
  }
  ArgvBlock(const ArgvBlock&) = delete;
  ArgvBlock& operator=(const ArgvBlock&) = delete;
  bool valid() const { return items_ != nullptr; }
  std::vector<std::wstring> copy() const { return std::vector<std::wstring>(items_, items_ + count_); }

 private:
  int count_ = 0;
  wchar_t** items_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  std::vector<std::wstring> items;
  {
    ArgvBlock split(commandLine);
    if (!split.valid()) {
      return linkrelay::kUsageExit;
    }
    items = split.copy();
  }
  linkrelay::Win32System system;
  return linkrelay::runRelay(items, system);
}
