#include <gtest/gtest.h>

#include <string>

#include "parent_path.h"

namespace {

TEST(ParentPath, DropsTheLastElementAndKeepsRoots) {
  struct Case {
    std::wstring path, parent;
  };
  const Case cases[] = {
      {L"C:\\apps\\relay\\linkrelay.exe", L"C:\\apps\\relay"},
      {L"C:/apps/relay/linkrelay.exe", L"C:/apps/relay"},
      {L"C:\\apps/relay\\\\linkrelay.exe", L"C:\\apps/relay"},
      {L"C:\\linkrelay.exe", L"C:\\"},
      {L"C:/linkrelay.exe", L"C:/"},
      {L"C:linkrelay.exe", L"C:"},
      {L"C:\\", L"C:\\"},
      {L"C:", L"C:"},
      {L"\\\\server\\share\\dir\\file.exe", L"\\\\server\\share\\dir"},
      {L"\\\\server\\share\\file.exe", L"\\\\server\\share\\"},
      {L"//server/share/file.exe", L"//server/share/"},
      {L"\\\\server\\share", L"\\\\server\\share"},
      {L"\\file.exe", L"\\"},
      {L"/file.exe", L"/"},
      {L"\\dir\\file.exe", L"\\dir"},
      {L"dir\\file.exe", L"dir"},
      {L"file.exe", L""},
      {L"", L""},
      {L"C:\\apps\\relay\\", L"C:\\apps\\relay"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(linkrelay::parentPath(c.path), c.parent)
        << std::string(c.path.begin(), c.path.end());
  }
}

}  // namespace
