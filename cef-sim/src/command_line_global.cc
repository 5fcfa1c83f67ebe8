#include <fstream>
#include <iterator>
#include <string>

#include "include/cef_command_line.h"
#include "src/engine.h"

namespace {

// The process's own command line, read-only, for when the engine has none yet.
CefRefPtr<cefsim::CommandLineImpl> ProcessCommandLine() {
  CefRefPtr<cefsim::CommandLineImpl> command_line = new cefsim::CommandLineImpl();
#if !defined(OS_WIN)
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> words;
  size_t start = 0;
  while (start < all.size()) {
    size_t end = all.find('\0', start);
    if (end == std::string::npos)
      end = all.size();
    words.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  std::vector<const char*> argv;
  for (const std::string& w : words)
    argv.push_back(w.c_str());
  command_line->InitFromArgv(static_cast<int>(argv.size()), argv.data());
#endif
  command_line->SetReadOnly();
  return command_line;
}

}  // namespace

CefRefPtr<CefCommandLine> CefCommandLine::CreateCommandLine() {
  return new cefsim::CommandLineImpl();
}

CefRefPtr<CefCommandLine> CefCommandLine::GetGlobalCommandLine() {
  {
    std::lock_guard<std::mutex> lock(cefsim::EngineMutex());
    if (cefsim::State().global_command_line)
      return cefsim::State().global_command_line;
  }
  return ProcessCommandLine();
}
