// linkrelay.exe run for real under Wine: a recording window for the copy-data road, and
// relay_probe.exe as the opened file for the shell road. Each run sits in a job object, so the
// test knows when the relay and whatever it started have ended, and how many processes that was.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "parameter_quote.h"
#include "probe_record.h"

namespace {

using linkrelay_test::ProbeRecord;

constexpr DWORD kRunBoundMs = 30000;
constexpr wchar_t kTargetClass[] = L"BrivonRelayTestTarget";
constexpr wchar_t kTargetTitle[] = L"Brivon relay target";

std::string shown(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::wstring ownDirectory() {
  wchar_t path[MAX_PATH];
  const std::wstring own(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return own.substr(0, own.find_last_of(L"\\/"));
}

class Handle {
 public:
  explicit Handle(HANDLE handle = nullptr) : handle_(handle) {}
  ~Handle() {
    if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) {
      CloseHandle(handle_);
    }
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

struct CopyData {
  WPARAM wParam;
  ULONG_PTR dwData;
  DWORD cbData;
  std::wstring text;
};
std::vector<CopyData> received;

LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    received.push_back({wParam, data->dwData, data->cbData,
                        std::wstring(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t))});
    return TRUE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class RecordingWindow {
 public:
  explicit RecordingWindow(const wchar_t* title) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &recordingProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kTargetClass;
    RegisterClassW(&windowClass);  // a second registration fails harmlessly
    window_ = CreateWindowExW(0, kTargetClass, title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    received.clear();
  }
  ~RecordingWindow() { DestroyWindow(window_); }
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

struct RunResult {
  bool finished = false;
  int exitCode = 0;
  DWORD processes = 0;  // the relay and everything it started
};

// Wine's CreateProcessW fails with ERROR_INTERNAL_ERROR when the new process ended before it
// told the Wine server that its start-up was done, which it does before the program's first
// instruction: the relay never ran, so nothing it does can be the cause. That start is tried
// again, at most twice more and said on standard error; every other failure counts at once.
bool startSuspended(const std::wstring& program, const std::wstring& commandLine, const std::wstring& directory,
                    PROCESS_INFORMATION& process) {
  constexpr int kAttempts = 3;
  for (int attempt = 1;; ++attempt) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring line = commandLine;  // CreateProcessW may write into it
    if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                       directory.c_str(), &startup, &process)) {
      return true;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_INTERNAL_ERROR || attempt == kAttempts) {
      SetLastError(error);
      return false;
    }
    std::fprintf(stderr, "the relay died in Wine's start-up before it ran (attempt %d); starting it again\n", attempt);
  }
}

class RelayProcess : public ::testing::Test {
 protected:
  RelayProcess() : bin_(ownDirectory()) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    base_ = std::wstring(temp) + L"linkrelay-test-" + std::to_wstring(GetCurrentProcessId());
    startDir_ = base_ + L"\\start";
    targetDir_ = base_ + L"\\target";
    record_ = base_ + L"\\record.bin";
    CreateDirectoryW(base_.c_str(), nullptr);
    CreateDirectoryW(startDir_.c_str(), nullptr);
    CreateDirectoryW(targetDir_.c_str(), nullptr);
    CopyFileW((bin_ + L"\\relay_probe.exe").c_str(), targetProbe().c_str(), FALSE);
    SetEnvironmentVariableW(linkrelay_test::kProbeRecordVariable, record_.c_str());
    // The batch probes write their first argument as the interpreter gives it, quotes and all,
    // without ever leaving it unquoted on a command line of their own.
    for (const std::wstring& batch : batchProbes()) {
      std::ofstream(batch.c_str(), std::ios::binary) << "@echo %1>\"%BRIVON_RELAY_PROBE_RECORD%.txt\"\r\n";
    }
  }
  ~RelayProcess() override {
    DeleteFileW(record_.c_str());
    DeleteFileW(batchRecord().c_str());
    for (const std::wstring& batch : batchProbes()) {
      DeleteFileW(batch.c_str());
    }
    DeleteFileW(targetProbe().c_str());
    RemoveDirectoryW(startDir_.c_str());
    RemoveDirectoryW(targetDir_.c_str());
    RemoveDirectoryW(base_.c_str());
  }

  std::wstring targetProbe() const { return targetDir_ + L"\\relay_probe.exe"; }
  std::vector<std::wstring> batchProbes() const { return {targetDir_ + L"\\probe.bat", targetDir_ + L"\\Probe.CMD"}; }
  std::wstring batchRecord() const { return record_ + L".txt"; }

  // The batch probe's record: its first argument, or nothing when it did not run.
  std::optional<std::string> batchArgument() const {
    std::ifstream in(batchRecord().c_str(), std::ios::binary);
    if (!in) {
      return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) {
      text.pop_back();
    }
    return text;
  }

  // Runs the relay with the items in the working directory, dispatching the messages sent to
  // this thread's windows meanwhile, and waits until every process of the run has ended.
  RunResult run(const std::vector<std::wstring>& items, const std::wstring& workingDirectory) {
    DeleteFileW(record_.c_str());
    DeleteFileW(batchRecord().c_str());
    const std::wstring relay = bin_ + L"\\linkrelay.exe";
    std::wstring commandLine = L"\"" + relay + L"\"";
    for (const std::wstring& item : items) {
      commandLine += L" " + linkrelay::quoteParameter(item);
    }

    RunResult result;
    Handle job(CreateJobObjectW(nullptr, nullptr));
    Handle port(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1));
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT association{job.get(), port.get()};
    if (!SetInformationJobObject(job.get(), JobObjectAssociateCompletionPortInformation, &association,
                                 sizeof association)) {
      ADD_FAILURE() << "no completion port for the job: " << GetLastError();
      return result;
    }
    PROCESS_INFORMATION process{};
    if (!startSuspended(relay, commandLine, workingDirectory, process)) {
      ADD_FAILURE() << "cannot start the relay: " << GetLastError();
      return result;
    }
    Handle relayProcess(process.hProcess);
    Handle relayThread(process.hThread);
    AssignProcessToJobObject(job.get(), relayProcess.get());
    ResumeThread(relayThread.get());

    const ULONGLONG deadline = GetTickCount64() + kRunBoundMs;
    auto remaining = [deadline] {
      const ULONGLONG now = GetTickCount64();
      return now >= deadline ? DWORD{0} : static_cast<DWORD>(deadline - now);
    };
    for (;;) {
      const DWORD wait = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, remaining(), QS_ALLINPUT);
      if (wait == WAIT_OBJECT_0) {
        break;
      }
      if (wait != WAIT_OBJECT_0 + 1) {
        ADD_FAILURE() << "the relay did not end within the bound";
        TerminateJobObject(job.get(), 1);
        return result;
      }
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
      }
    }
    DWORD code = 0;
    GetExitCodeProcess(relayProcess.get(), &code);
    result.exitCode = static_cast<int>(code);

    for (;;) {
      DWORD event = 0;
      ULONG_PTR key = 0;
      LPOVERLAPPED detail = nullptr;
      if (!GetQueuedCompletionStatus(port.get(), &event, &key, &detail, remaining())) {
        ADD_FAILURE() << "the processes of the run did not end within the bound";
        TerminateJobObject(job.get(), 1);
        return result;
      }
      if (event == JOB_OBJECT_MSG_ACTIVE_PROCESS_ZERO) {
        break;
      }
    }
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    QueryInformationJobObject(job.get(), JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                              nullptr);
    result.processes = accounting.TotalProcesses;
    result.finished = true;
    return result;
  }

  std::optional<ProbeRecord> record() const { return linkrelay_test::readProbeRecord(record_); }

  std::wstring bin_, base_, startDir_, targetDir_, record_;
};

TEST_F(RelayProcess, MatchingWindowReceivesThePayloadWhateverTheModeWord) {
  RecordingWindow target(kTargetTitle);
  ASSERT_NE(target.get(), nullptr);
  struct Case {
    std::wstring mode, payload;
    DWORD bytes;
  };
  const Case cases[] = {
      {L"mine", L"abc", 6},
      {L"default", L"", 0},
      {L"no such mode", L"brivon://x?\"q\"\\", 30},
  };
  for (const Case& c : cases) {
    received.clear();
    const RunResult run = this->run({c.mode, kTargetClass, kTargetTitle, targetProbe(), c.payload}, startDir_);
    ASSERT_TRUE(run.finished) << shown(c.mode);
    EXPECT_EQ(run.exitCode, 0) << "the send leaves no error: " << shown(c.mode);
    EXPECT_EQ(run.processes, 1u) << "nothing is opened when the window is found: " << shown(c.mode);
    ASSERT_EQ(received.size(), 1u) << shown(c.mode);
    EXPECT_EQ(received[0].wParam, reinterpret_cast<WPARAM>(target.get())) << "the receiving window itself";
    EXPECT_EQ(received[0].dwData, 0u);
    EXPECT_EQ(received[0].cbData, c.bytes);
    EXPECT_EQ(received[0].text, c.payload);
  }
}

TEST_F(RelayProcess, FewerThanFiveItemsExitMinusOneAndReachNothing) {
  RecordingWindow target(kTargetTitle);
  ASSERT_NE(target.get(), nullptr);
  for (const std::vector<std::wstring>& items : std::vector<std::vector<std::wstring>>{
           {}, {L"mine", kTargetClass, kTargetTitle, targetProbe()}}) {
    const RunResult run = this->run(items, startDir_);
    ASSERT_TRUE(run.finished) << items.size();
    EXPECT_EQ(run.exitCode, -1) << items.size();
    EXPECT_EQ(run.processes, 1u) << items.size();
    EXPECT_TRUE(received.empty()) << items.size();
  }
}

TEST_F(RelayProcess, WithoutAMatchingWindowTheModeChoosesTheOpenedProgramsDirectory) {
  RecordingWindow otherTitle(L"some other title");  // same class: the title must match too
  struct Case {
    std::wstring mode, file, directory;
  };
  const Case cases[] = {
      {L"mine", targetProbe(), bin_},
      {L"target", targetProbe(), targetDir_},
      {L"default", targetProbe(), startDir_},
  };
  for (const Case& c : cases) {
    const RunResult run = this->run({c.mode, kTargetClass, kTargetTitle, c.file, L"the payload"}, startDir_);
    ASSERT_TRUE(run.finished) << shown(c.mode);
    EXPECT_EQ(run.exitCode, 0) << shown(c.mode);
    EXPECT_EQ(run.processes, 2u) << shown(c.mode);
    const std::optional<ProbeRecord> seen = record();
    ASSERT_TRUE(seen.has_value()) << "the probe did not run: " << shown(c.mode);
    EXPECT_EQ(seen->directory, c.directory) << shown(c.mode);
    EXPECT_EQ(seen->arguments, std::vector<std::wstring>{L"the payload"}) << shown(c.mode);
  }
  EXPECT_TRUE(received.empty());
}

TEST_F(RelayProcess, TargetModeWithABareFileNameLeavesTheDirectoryToTheShell) {
  const RunResult run = this->run({L"target", L"NoSuchClass", L"", L"relay_probe.exe", L"p"}, targetDir_);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0);
  const std::optional<ProbeRecord> seen = record();
  ASSERT_TRUE(seen.has_value());
  EXPECT_EQ(seen->directory, targetDir_) << "an empty directory keeps the relay's own";
}

TEST_F(RelayProcess, MisspeltModeWordExitsMinusOneAndOpensNothing) {
  const RunResult run = this->run({L"Mine", L"NoSuchClass", L"none", targetProbe(), L"p"}, startDir_);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, -1);
  EXPECT_EQ(run.processes, 1u);
  EXPECT_FALSE(record().has_value());
}

TEST_F(RelayProcess, FailedStartExitsWithTheLastError) {
  const RunResult run =
      this->run({L"target", L"NoSuchClass", L"none", targetDir_ + L"\\missing.exe", L"p"}, startDir_);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(run.processes, 1u);
}

TEST_F(RelayProcess, OpenedProgramReadsTheHardestPayloadsBackAsOneArgument) {
  const std::wstring payloads[] = {
      L"a\"b", L"ends\\", L"x\\\" --elevated \\\"y", L"\" --extra \"", L"", L"two words",
      L"C:\\Program Files\\", L"\\\\\"\\\\", L"%PATH% !PATH! & calc",
  };
  for (const std::wstring& payload : payloads) {
    const RunResult run = this->run({L"target", L"NoSuchClass", L"none", targetProbe(), payload}, startDir_);
    ASSERT_TRUE(run.finished) << shown(payload);
    EXPECT_EQ(run.exitCode, 0) << shown(payload);
    const std::optional<ProbeRecord> seen = record();
    ASSERT_TRUE(seen.has_value()) << shown(payload);
    EXPECT_EQ(seen->arguments, std::vector<std::wstring>{payload}) << shown(payload);
  }
}

// A batch file is run by the command interpreter, which would read a quote, a percent sign, an
// exclamation mark or a line break of the payload as its own; such payloads open nothing.
TEST_F(RelayProcess, BatchFileTargetsGetSafePayloadsAsOneQuotedArgumentAndOpenNothingElse) {
  struct Case {
    std::size_t probe;  // index into batchProbes()
    std::wstring payload;
    bool opened;
  };
  const Case cases[] = {
      {0, L"a & b | c < d > e ^ f", true},
      {1, L"C:\\dir\\", true},
      {0, L"x\" & calc & \"", false},
      {1, L"%PATH%", false},
      {0, L"!PATH!", false},
      {0, L"a\r\nb", false},
  };
  for (const Case& c : cases) {
    const std::wstring file = batchProbes()[c.probe];
    const RunResult run = this->run({L"target", L"NoSuchClass", L"none", file, c.payload}, startDir_);
    ASSERT_TRUE(run.finished) << shown(c.payload);
    const std::optional<std::string> argument = batchArgument();
    if (c.opened) {
      EXPECT_EQ(run.exitCode, 0) << shown(c.payload);
      EXPECT_EQ(argument, "\"" + shown(c.payload) + "\"") << "one argument, the payload in quotes";
    } else {
      EXPECT_EQ(run.exitCode, -1) << shown(c.payload);
      EXPECT_EQ(run.processes, 1u) << "nothing started: " << shown(c.payload);
      EXPECT_FALSE(argument.has_value()) << shown(c.payload);
    }
  }
}

}  // namespace
