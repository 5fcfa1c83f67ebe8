// The relay's decisions against a recording system: which calls it makes, with what, and which
// exit code follows. The process tests run the same paths against Wine; these add the failures
// Wine cannot be made to produce.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parameter_quote.h"
#include "relay.h"

namespace {

HWND const kFound = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x5150));

class RecordingSystem : public linkrelay::RelaySystem {
 public:
  struct Send {
    UINT message;
    WPARAM wParam;
    ULONG_PTR dwData;
    DWORD cbData;
    std::wstring text;
  };
  struct Execute {
    HWND owner;
    std::wstring verb, file, parameters, directory;
    int show;
  };

  // The world the relay sees.
  HWND window = nullptr;
  std::wstring modulePath = L"C:\\apps\\relay\\linkrelay.exe";
  bool moduleFails = false;
  std::wstring current = L"E:\\work";
  bool currentFails = false;
  INT_PTR executeResult = 42;
  DWORD error = 0;
  DWORD sendError = 0;

  // What the relay did.
  std::vector<std::pair<std::wstring, std::wstring>> searches;
  std::vector<Send> sends;
  std::vector<Execute> executes;

  HWND findWindow(const wchar_t* className, const wchar_t* title) override {
    searches.emplace_back(className, title);
    return window;
  }
  LRESULT sendMessage(HWND target, UINT message, WPARAM wParam, LPARAM lParam) override {
    EXPECT_EQ(target, window);
    if (sendError != 0) {
      error = sendError;  // the system sets the last error only when the send fails
    }
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    sends.push_back({message, wParam, data->dwData, data->cbData,
                     std::wstring(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t))});
    return 0;
  }
  HINSTANCE shellExecute(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                         const wchar_t* directory, int show) override {
    executes.push_back({owner, verb, file, parameters, directory, show});
    return reinterpret_cast<HINSTANCE>(executeResult);
  }
  // Behaves as the system does: a path that does not fit is cut to the buffer.
  DWORD moduleFileName(wchar_t* buffer, DWORD size) override {
    ++moduleCalls;
    if (moduleFails) {
      return 0;
    }
    const DWORD length = static_cast<DWORD>(modulePath.size());
    const DWORD copied = length < size ? length : size - 1;
    modulePath.copy(buffer, copied);
    buffer[copied] = L'\0';
    if (length >= size) {
      error = ERROR_INSUFFICIENT_BUFFER;
      return size;
    }
    return length;
  }
  DWORD currentDirectory(DWORD size, wchar_t* buffer) override {
    if (currentFails) {
      return 0;
    }
    const DWORD needed = static_cast<DWORD>(current.size() + 1);
    if (size < needed) {
      return needed;
    }
    current.copy(buffer, current.size());
    buffer[current.size()] = L'\0';
    return needed - 1;
  }
  void clearLastError() override { error = 0; }
  DWORD lastError() override { return error; }

  int moduleCalls = 0;
};

std::vector<std::wstring> items(const std::wstring& mode, const std::wstring& file, const std::wstring& payload) {
  return {mode, L"BrivonClient", L"Brivon", file, payload};
}

TEST(RelayLogic, FewerThanFiveItemsExitMinusOneWithoutSearchingOrOpening) {
  const std::vector<std::wstring> all = items(L"mine", L"C:\\app.exe", L"payload");
  for (std::size_t count = 0; count < 5; ++count) {
    RecordingSystem system;
    system.window = kFound;
    EXPECT_EQ(linkrelay::runRelay({all.begin(), all.begin() + static_cast<std::ptrdiff_t>(count)}, system), -1) << count;
    EXPECT_TRUE(system.searches.empty()) << count;
    EXPECT_TRUE(system.sends.empty() && system.executes.empty()) << count;
  }
}

TEST(RelayLogic, FoundWindowGetsTheCopyDataMessageAndTheModeIsNotExamined) {
  struct Case {
    std::wstring mode, payload;
    DWORD bytes;
  };
  const Case cases[] = {
      {L"mine", L"abc", 6},
      {L"nonsense", L"x\"y\\", 8},
      {L"", L"", 0},
  };
  for (const Case& c : cases) {
    RecordingSystem system;
    system.window = kFound;
    system.error = 1234;  // left by an earlier call
    std::vector<std::wstring> list = items(c.mode, L"C:\\app.exe", c.payload);
    list.push_back(L"ignored sixth item");

    EXPECT_EQ(linkrelay::runRelay(list, system), 0) << "a send that sets no error exits 0";
    ASSERT_EQ(system.searches.size(), 1u);
    EXPECT_EQ(system.searches[0].first, L"BrivonClient");
    EXPECT_EQ(system.searches[0].second, L"Brivon");
    ASSERT_EQ(system.sends.size(), 1u);
    const RecordingSystem::Send& send = system.sends[0];
    EXPECT_EQ(send.message, static_cast<UINT>(WM_COPYDATA));
    EXPECT_EQ(send.wParam, reinterpret_cast<WPARAM>(kFound)) << "the receiving window itself";
    EXPECT_EQ(send.dwData, 0u);
    EXPECT_EQ(send.cbData, c.bytes);
    EXPECT_EQ(send.text, c.payload);
    EXPECT_TRUE(system.executes.empty());
  }
}

TEST(RelayLogic, FailedSendExitsWithTheErrorItSet) {
  RecordingSystem system;
  system.window = kFound;
  system.error = 1234;
  system.sendError = ERROR_ACCESS_DENIED;
  EXPECT_EQ(linkrelay::runRelay(items(L"mine", L"C:\\app.exe", L"p"), system), ERROR_ACCESS_DENIED);
}

TEST(RelayLogic, BatchFileTargetsRefuseWhatTheInterpreterActsOnAndGetThePayloadPlainlyQuoted) {
  struct Case {
    std::wstring file, payload;
    bool opened;
    std::wstring parameters;
  };
  const Case cases[] = {
      {L"C:\\t\\run.bat", L"x\" & calc & \"", false, L""},
      {L"C:\\t\\run.bat", L"%PATH%", false, L""},
      {L"C:\\t\\run.bat", L"50%", false, L""},
      {L"C:\\t\\run.bat", L"!x!", false, L""},
      {L"C:\\t\\run.bat", L"a\rb", false, L""},
      {L"C:\\t\\run.bat", L"a\nb", false, L""},
      {L"C:\\t\\RUN.CMD", L"%x%", false, L""},
      {L"C:\\t\\Run.Bat", L"%x%", false, L""},
      {L"C:\\t\\run.bat. .", L"%x%", false, L""},  // the file system drops trailing dots and spaces
      {L"C:\\t\\run.bat", L"a & b | c < d > e ^ f", true, L"\"a & b | c < d > e ^ f\""},
      {L"C:\\t\\run.cmd", L"C:\\dir\\", true, L"\"C:\\dir\\\""},  // backslashes as they are
      {L"C:\\t\\run.cmd", L"", true, L"\"\""},
      {L"C:\\t\\app.exe", L"%PATH% !x! \"", true, L"\"%PATH% !x! \\\"\""},  // other targets unchanged
      {L"C:\\t\\run.bat.exe", L"%x%", true, L"\"%x%\""},
      {L"C:\\t\\bat", L"%x%", true, L"\"%x%\""},
  };
  for (const Case& c : cases) {
    RecordingSystem system;
    const int exit = linkrelay::runRelay(items(L"target", c.file, c.payload), system);
    if (!c.opened) {
      EXPECT_EQ(exit, -1) << std::string(c.file.begin(), c.file.end());
      EXPECT_TRUE(system.executes.empty());
      continue;
    }
    EXPECT_EQ(exit, 0);
    ASSERT_EQ(system.executes.size(), 1u);
    EXPECT_EQ(system.executes[0].parameters, c.parameters) << std::string(c.file.begin(), c.file.end());
  }
}

TEST(RelayLogic, EmptyClassAndTitleAreSearchedAsEmptyNames) {
  RecordingSystem system;
  linkrelay::runRelay({L"mine", L"", L"", L"C:\\app.exe", L"p"}, system);
  ASSERT_EQ(system.searches.size(), 1u);
  EXPECT_EQ(system.searches[0].first, L"");
  EXPECT_EQ(system.searches[0].second, L"");
}

TEST(RelayLogic, WithoutAWindowTheModeChoosesTheWorkingDirectory) {
  struct Case {
    std::wstring mode, file, directory;
  };
  const Case cases[] = {
      {L"mine", L"D:\\tools\\app.exe", L"C:\\apps\\relay"},
      {L"target", L"D:\\tools\\app.exe", L"D:\\tools"},
      {L"target", L"\\\\host\\share\\app.exe", L"\\\\host\\share\\"},
      {L"target", L"app.exe", L""},
      {L"default", L"D:\\tools\\app.exe", L"E:\\work"},
  };
  for (const Case& c : cases) {
    RecordingSystem system;
    EXPECT_EQ(linkrelay::runRelay(items(c.mode, c.file, L"a\"b"), system), 0) << c.mode.size();
    ASSERT_EQ(system.executes.size(), 1u);
    const RecordingSystem::Execute& call = system.executes[0];
    EXPECT_EQ(call.directory, c.directory);
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.verb, L"open");
    EXPECT_EQ(call.file, c.file);
    EXPECT_EQ(call.parameters, L"\"a\\\"b\"");
    EXPECT_EQ(call.show, SW_SHOWNORMAL);
  }
}

TEST(RelayLogic, ModeWordsSpeltDifferentlyExitMinusOneAndOpenNothing) {
  for (const wchar_t* mode : {L"Mine", L"TARGET", L"default ", L"", L"open"}) {
    RecordingSystem system;
    EXPECT_EQ(linkrelay::runRelay(items(mode, L"D:\\app.exe", L"p"), system), -1);
    EXPECT_TRUE(system.executes.empty());
  }
}

TEST(RelayLogic, FailedStartExitsWithTheLastErrorAndNeverReportsSuccess) {
  struct Case {
    INT_PTR result;
    DWORD error;
    int exit;
  };
  const Case cases[] = {
      {33, 0, 0},
      {32, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED},
      {SE_ERR_FNF, ERROR_FILE_NOT_FOUND, ERROR_FILE_NOT_FOUND},
      {0, ERROR_OUTOFMEMORY, ERROR_OUTOFMEMORY},
      {SE_ERR_NOASSOC, 0, -1},  // a failure without an error code must not read as success
  };
  for (const Case& c : cases) {
    RecordingSystem system;
    system.executeResult = c.result;
    system.error = c.error;
    EXPECT_EQ(linkrelay::runRelay(items(L"target", L"D:\\app.exe", L"p"), system), c.exit) << c.result;
  }
}

TEST(RelayLogic, UnreadableCurrentDirectoryExitsWithTheLastError) {
  RecordingSystem system;
  system.currentFails = true;
  system.error = ERROR_PATH_NOT_FOUND;
  EXPECT_EQ(linkrelay::runRelay(items(L"default", L"D:\\app.exe", L"p"), system), ERROR_PATH_NOT_FOUND);
  EXPECT_TRUE(system.executes.empty());
}

TEST(RelayLogic, OwnPathLongerThanTheFirstBufferIsReadWhole) {
  RecordingSystem system;
  const std::wstring deep = L"C:\\" + std::wstring(300, L'd') + L"\\" + std::wstring(300, L'e');
  system.modulePath = deep + L"\\linkrelay.exe";
  linkrelay::runRelay(items(L"mine", L"D:\\app.exe", L"p"), system);
  ASSERT_EQ(system.executes.size(), 1u);
  EXPECT_EQ(system.executes[0].directory, deep);
  EXPECT_EQ(system.moduleCalls, 3) << "260, 520, then 780 characters";
}

TEST(RelayLogic, UnreadableOwnPathGivesAnEmptyDirectory) {
  RecordingSystem system;
  system.moduleFails = true;
  EXPECT_EQ(linkrelay::runRelay(items(L"mine", L"D:\\app.exe", L"p"), system), 0);
  ASSERT_EQ(system.executes.size(), 1u);
  EXPECT_EQ(system.executes[0].directory, L"");
}

}  // namespace
