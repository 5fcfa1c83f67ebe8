#include "relay.h"

#include <optional>

#include "batch_target.h"
#include "parameter_quote.h"
#include "parent_path.h"

namespace linkrelay {
namespace {

constexpr std::size_t kItemCount = 5;
constexpr DWORD kPathChunk = 260;

enum Item { kMode, kClass, kTitle, kFile, kPayload };

// A failure whose last error is somehow 0 must not read as success.
int failureExit(RelaySystem& system) {
  const DWORD error = system.lastError();
  return error != 0 ? static_cast<int>(error) : kUsageExit;
}

// Empty when the path cannot be read.
std::wstring ownExecutablePath(RelaySystem& system) {
  std::wstring buffer;
  for (DWORD size = kPathChunk;; size += kPathChunk) {
    buffer.assign(size, L'\0');
    const DWORD length = system.moduleFileName(buffer.data(), size);
    if (length == 0) {
      return std::wstring();
    }
    // A path that fills the whole buffer was cut short, whatever the last error says.
    if (length < size) {
      buffer.resize(length);
      return buffer;
    }
  }
}

std::optional<std::wstring> currentDirectory(RelaySystem& system) {
  DWORD size = system.currentDirectory(0, nullptr);
  while (size != 0) {
    std::wstring buffer(size, L'\0');
    const DWORD length = system.currentDirectory(size, buffer.data());
    if (length == 0) {
      break;
    }
    if (length < size) {
      buffer.resize(length);
      return buffer;
    }
    size = length;  // the directory changed in between and grew
  }
  return std::nullopt;
}

int sendToWindow(HWND window, const std::wstring& payload, RelaySystem& system) {
  COPYDATASTRUCT data{};
  data.dwData = 0;
  data.cbData = static_cast<DWORD>(payload.size() * sizeof(wchar_t));
  data.lpData = const_cast<wchar_t*>(payload.c_str());
  // The relay has no window of its own to name as the sender.
  // SendMessageW sets the last error only when it fails; whatever an earlier call left there
  // must not become the exit code.
  system.clearLastError();
  system.sendMessage(window, WM_COPYDATA, reinterpret_cast<WPARAM>(window), reinterpret_cast<LPARAM>(&data));
  return static_cast<int>(system.lastError());
}

int openFile(const std::vector<std::wstring>& items, RelaySystem& system) {
  // The relay runs elevated on a payload that anyone who can write a link chooses: a batch
  // file gets it only where the interpreter cannot read it as commands.
  const bool batch = isBatchFile(items[kFile]);
  if (batch && !isSafeBatchPayload(items[kPayload])) {
    return kUsageExit;
  }
  const std::wstring parameters = batch ? quoteBatchParameter(items[kPayload]) : quoteParameter(items[kPayload]);
  const std::wstring& mode = items[kMode];
  std::wstring directory;
  if (mode == L"mine") {
    directory = parentPath(ownExecutablePath(system));
  } else if (mode == L"target") {
    directory = parentPath(items[kFile]);
  } else if (mode == L"default") {
    std::optional<std::wstring> current = currentDirectory(system);
    if (!current) {
      return failureExit(system);
    }
    directory = *current;
  } else {
    return kUsageExit;
  }
  HINSTANCE result = system.shellExecute(nullptr, L"open", items[kFile].c_str(), parameters.c_str(),
                                         directory.c_str(), SW_SHOWNORMAL);
  // ShellExecuteW reports success as a value above 32.
  if (reinterpret_cast<INT_PTR>(result) > 32) {
    return 0;
  }
  return failureExit(system);
}

}  // namespace

int runRelay(const std::vector<std::wstring>& items, RelaySystem& system) {
  if (items.size() < kItemCount) {
    return kUsageExit;
  }
  HWND window = system.findWindow(items[kClass].c_str(), items[kTitle].c_str());
  if (window != nullptr) {
    return sendToWindow(window, items[kPayload], system);
  }
  return openFile(items, system);
}

}  // namespace linkrelay
