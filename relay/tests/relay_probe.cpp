// A program for the relay to open: writes where it runs and what arguments it was given, split
// the standard way, to the file named by the record variable.
#include <windows.h>
#include <shellapi.h>

#include "probe_record.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace linkrelay_test;
  wchar_t recordPath[MAX_PATH];
  if (GetEnvironmentVariableW(kProbeRecordVariable, recordPath, MAX_PATH) == 0) {
    return 2;
  }
  ProbeRecord record;
  wchar_t directory[MAX_PATH];
  record.directory.assign(directory, GetCurrentDirectoryW(MAX_PATH, directory));
  int count = 0;
  wchar_t** items = CommandLineToArgvW(GetCommandLineW(), &count);
  if (items == nullptr) {
    return 3;
  }
  record.arguments.assign(items + 1, items + count);
  LocalFree(items);
  return writeProbeRecord(recordPath, record) ? 0 : 4;
}
