#include "parent_path.h"

namespace linkrelay {
namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Length of the root at the start of path: "C:" and the separators after it, "\\server\share"
// and the separators after it, or leading separators alone.
std::size_t rootLength(const std::wstring& path) {
  std::size_t end = 0;
  if (path.size() >= 2 && path[1] == L':') {
    end = 2;
  } else if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
    end = 2;
    for (int element = 0; element < 2; ++element) {
      while (end < path.size() && isSeparator(path[end])) {
        ++end;
      }
      while (end < path.size() && !isSeparator(path[end])) {
        ++end;
      }
    }
  }
  while (end < path.size() && isSeparator(path[end])) {
    ++end;
  }
  return end;
}

}  // namespace

std::wstring parentPath(const std::wstring& path) {
  const std::size_t root = rootLength(path);
  std::size_t end = path.size();
  while (end > root && !isSeparator(path[end - 1])) {
    --end;  // the last element
  }
  while (end > root && isSeparator(path[end - 1])) {
    --end;  // the separators before it
  }
  return path.substr(0, end);
}

}  // namespace linkrelay
