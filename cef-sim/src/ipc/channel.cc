#include "src/ipc/channel.h"

#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace cefsim {
namespace {

// Larger frames mean a broken peer; the channel gives up rather than allocate them.
const uint32_t kMaxFrame = 256u << 20;

}  // namespace

Channel::Channel(intptr_t handle) : handle_(handle) {}

Channel::~Channel() {
#if defined(_WIN32)
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
#else
  close(static_cast<int>(handle_));
#endif
}

bool Channel::Send(const WireWriter& message) {
  const std::string& bytes = message.bytes();
  uint32_t size = static_cast<uint32_t>(bytes.size());
  std::string frame(reinterpret_cast<const char*>(&size), sizeof size);
  frame += bytes;
  std::lock_guard<std::mutex> lock(send_mutex_);
  return WriteAll(frame.data(), frame.size());
}

bool Channel::Receive(std::string* frame) {
  uint32_t size = 0;
  if (!ReadAll(reinterpret_cast<char*>(&size), sizeof size) || size == 0 || size > kMaxFrame)
    return false;
  frame->assign(size, '\0');
  return ReadAll(&(*frame)[0], size);
}

#if defined(_WIN32)

void Channel::Shutdown() {
  CancelIoEx(reinterpret_cast<HANDLE>(handle_), nullptr);
}

bool Channel::WriteAll(const char* data, size_t size) {
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(handle_), data, static_cast<DWORD>(size), &written,
                   nullptr))
      return false;
    data += written;
    size -= written;
  }
  return true;
}

bool Channel::ReadAll(char* data, size_t size) {
  while (size > 0) {
    DWORD got = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(handle_), data, static_cast<DWORD>(size), &got,
                  nullptr) ||
        got == 0)
      return false;
    data += got;
    size -= got;
  }
  return true;
}

#else

void Channel::Shutdown() {
  shutdown(static_cast<int>(handle_), SHUT_RDWR);
}

bool Channel::WriteAll(const char* data, size_t size) {
  while (size > 0) {
    // No SIGPIPE when the renderer has gone: the write fails and the caller moves on.
    ssize_t written = send(static_cast<int>(handle_), data, size, MSG_NOSIGNAL);
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      return false;
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

bool Channel::ReadAll(char* data, size_t size) {
  while (size > 0) {
    ssize_t got = recv(static_cast<int>(handle_), data, size, 0);
    if (got < 0 && errno == EINTR)
      continue;
    if (got <= 0)
      return false;
    data += got;
    size -= static_cast<size_t>(got);
  }
  return true;
}

#endif

}  // namespace cefsim
