#include "probe_record.h"

#include <cstdint>
#include <fstream>

namespace linkrelay_test {
namespace {

// Length-prefixed strings, so that any payload (quotes, line breaks) survives unchanged.
void put(std::ofstream& out, const std::wstring& text) {
  const uint32_t length = static_cast<uint32_t>(text.size());
  out.write(reinterpret_cast<const char*>(&length), sizeof length);
  out.write(reinterpret_cast<const char*>(text.data()), static_cast<std::streamsize>(length * sizeof(wchar_t)));
}

bool get(std::ifstream& in, std::wstring& text) {
  uint32_t length = 0;
  if (!in.read(reinterpret_cast<char*>(&length), sizeof length) || length > 1u << 20) {
    return false;
  }
  text.assign(length, L'\0');
  return static_cast<bool>(in.read(reinterpret_cast<char*>(text.data()), static_cast<std::streamsize>(length * sizeof(wchar_t))));
}

}  // namespace

bool writeProbeRecord(const std::wstring& path, const ProbeRecord& record) {
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  put(out, record.directory);
  put(out, std::to_wstring(record.arguments.size()));
  for (const std::wstring& argument : record.arguments) {
    put(out, argument);
  }
  return static_cast<bool>(out);
}

std::optional<ProbeRecord> readProbeRecord(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  ProbeRecord record;
  std::wstring count;
  if (!get(in, record.directory) || !get(in, count)) {
    return std::nullopt;
  }
  record.arguments.resize(std::stoul(count));
  for (std::wstring& argument : record.arguments) {
    if (!get(in, argument)) {
      return std::nullopt;
    }
  }
  return record;
}

}  // namespace linkrelay_test
