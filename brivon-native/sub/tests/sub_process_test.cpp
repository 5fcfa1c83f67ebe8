// brivon-sub.exe started by hand under Wine, as a person would start it: it must end at once with
// -1, write nothing and show no window. Windows are watched with an out-of-context event hook on
// the child's process id; sub_window_probe.exe, which does show one, proves the watch sees them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD kRunBoundMs = 30000;

std::wstring besideSelf(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const std::wstring own(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return own.substr(0, own.find_last_of(L"\\/") + 1) + name;
}

class Handle {
 public:
  explicit Handle(HANDLE handle = nullptr) : handle_(handle) {}
  ~Handle() { reset(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }
  HANDLE* out() {
    reset();
    return &handle_;
  }
  void reset() {
    if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  HANDLE handle_;
};

// Windows of the watched process that were created or shown, by the hook's thread (this one).
std::vector<HWND> seenWindows;

void CALLBACK onWindowEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (window != nullptr && object == OBJID_WINDOW && child == CHILDID_SELF) seenWindows.push_back(window);
}

class EventHook {
 public:
  explicit EventHook(DWORD processId)
      : hook_(SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_SHOW, nullptr, &onWindowEvent, processId, 0,
                              WINEVENT_OUTOFCONTEXT)) {}
  ~EventHook() {
    if (hook_ != nullptr) UnhookWinEvent(hook_);
  }
  EventHook(const EventHook&) = delete;
  EventHook& operator=(const EventHook&) = delete;
  bool valid() const { return hook_ != nullptr; }

 private:
  HWINEVENTHOOK hook_;
};

struct ChildRun {
  bool ended = false;
  DWORD exitCode = 0;
  std::string output;  // standard output and standard error together
  size_t windows = 0;
};

std::string drain(HANDLE pipe) {
  std::string text;
  DWORD available = 0;
  while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    std::string chunk(available, '\0');
    DWORD read = 0;
    if (!ReadFile(pipe, chunk.data(), available, &read, nullptr) || read == 0) break;
    text.append(chunk, 0, read);
  }
  return text;
}

// Starts the program with no arguments and waits, bounded, for its end while the hook's events
// are delivered to this thread.
ChildRun runAlone(const std::wstring& program) {
  ChildRun run;
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  Handle readEnd, writeEnd;
  if (!CreatePipe(readEnd.out(), writeEnd.out(), &inherit, 0)) return run;
  SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = writeEnd.get();
  startup.hStdError = writeEnd.get();
  std::wstring commandLine = L"\"" + program + L"\"";
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                      nullptr, &startup, &process)) {
    ADD_FAILURE() << "CreateProcessW failed: " << GetLastError();
    return run;
  }
  Handle processHandle(process.hProcess), threadHandle(process.hThread);
  writeEnd.reset();

  seenWindows.clear();
  EventHook hook(process.dwProcessId);
  EXPECT_TRUE(hook.valid());
  ResumeThread(threadHandle.get());

  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= kRunBoundMs) break;
    const HANDLE waited = processHandle.get();
    const DWORD woke = MsgWaitForMultipleObjects(1, &waited, FALSE, kRunBoundMs - elapsed, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    if (woke == WAIT_OBJECT_0) {
      run.ended = true;
      break;
    }
    if (woke == WAIT_FAILED) break;
  }
  if (!run.ended) {
    TerminateProcess(processHandle.get(), 1);
    WaitForSingleObject(processHandle.get(), kRunBoundMs);
    return run;
  }
  // Events the child raised just before it ended may still be on their way.
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  GetExitCodeProcess(processHandle.get(), &run.exitCode);
  run.output = drain(readEnd.get());
  run.windows = seenWindows.size();
  return run;
}

TEST(BrivonSubAlone, EndsAtOnceWithMinusOneSilentlyAndWithoutAWindow) {
  const ChildRun run = runAlone(besideSelf(L"brivon-sub.exe"));
  ASSERT_TRUE(run.ended) << "still running after " << kRunBoundMs << " ms";
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(-1));
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.windows, 0u);
}

TEST(BrivonSubAlone, TheWatchSeesAWindowThatAProgramShows) {
  const ChildRun run = runAlone(besideSelf(L"sub_window_probe.exe"));
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, static_cast<DWORD>(-1));
  EXPECT_GT(run.windows, 0u);
}

}  // namespace
