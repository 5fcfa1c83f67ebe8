#include "src/console_log.h"

#include <cstdio>
#include <mutex>

namespace cefsim {
namespace {

std::mutex& LogMutex() {
  static std::mutex* mutex = new std::mutex();
  return *mutex;
}

std::vector<CefString>& Logged() {
  static std::vector<CefString>* logged = new std::vector<CefString>();
  return *logged;
}

}  // namespace

void WriteConsoleMessageToLog(const CefString& message, const CefString& source, int line) {
  std::lock_guard<std::mutex> lock(LogMutex());
  Logged().push_back(message);
  std::fprintf(stderr, "[CONSOLE(%d)] \"%s\", source: %s (%d)\n", line,
               message.ToString().c_str(), source.ToString().c_str(), line);
  std::fflush(stderr);
}

std::vector<CefString> ConsoleMessagesLogged() {
  std::lock_guard<std::mutex> lock(LogMutex());
  return Logged();
}

}  // namespace cefsim
