// What relay_probe saw when the relay started it: its working directory and its arguments.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace linkrelay_test {

// The environment variable naming the file the probe writes its record to.
constexpr wchar_t kProbeRecordVariable[] = L"BRIVON_RELAY_PROBE_RECORD";

struct ProbeRecord {
  std::wstring directory;
  std::vector<std::wstring> arguments;  // after the program path
};

bool writeProbeRecord(const std::wstring& path, const ProbeRecord& record);
std::optional<ProbeRecord> readProbeRecord(const std::wstring& path);

}  // namespace linkrelay_test
