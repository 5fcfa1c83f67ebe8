#include "batch_target.h"

#include <cwctype>

namespace linkrelay {
namespace {

bool endsWithIgnoringCase(const std::wstring& text, std::size_t end, const wchar_t* suffix, std::size_t length) {
  if (end < length) {
    return false;
  }
  for (std::size_t i = 0; i < length; ++i) {
    if (std::towlower(text[end - length + i]) != suffix[i]) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool isBatchFile(const std::wstring& path) {
  const std::size_t lastKept = path.find_last_not_of(L". ");
  if (lastKept == std::wstring::npos) {
    return false;
  }
  const std::size_t end = lastKept + 1;
  return endsWithIgnoringCase(path, end, L".bat", 4) || endsWithIgnoringCase(path, end, L".cmd", 4);
}

bool isSafeBatchPayload(const std::wstring& payload) {
  return payload.find_first_of(L"\"%!\r\n") == std::wstring::npos;
}

std::wstring quoteBatchParameter(const std::wstring& payload) { return L"\"" + payload + L"\""; }

}  // namespace linkrelay
