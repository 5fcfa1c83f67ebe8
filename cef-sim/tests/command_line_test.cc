#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "include/cef_command_line.h"

namespace {

std::vector<std::string> Argv(CefRefPtr<CefCommandLine> command_line) {
  std::vector<CefString> argv;
  command_line->GetArgv(argv);
  std::vector<std::string> out;
  for (const CefString& a : argv)
    out.push_back(a.ToString());
  return out;
}

TEST(CefCommandLineTest, AppendedSwitchesKeepTheirOrderAndValues) {
  CefRefPtr<CefCommandLine> command_line = CefCommandLine::CreateCommandLine();
  command_line->SetProgram("prog");
  command_line->AppendSwitchWithValue("zeta", "1");
  command_line->AppendSwitch("alpha");
  command_line->AppendSwitchWithValue("empty", "");
  command_line->AppendSwitchWithValue("zeta", "2");

  EXPECT_EQ(Argv(command_line),
            (std::vector<std::string>{"prog", "--zeta=1", "--alpha", "--empty=", "--zeta=2"}));
  EXPECT_TRUE(command_line->HasSwitch("alpha"));
  EXPECT_EQ(command_line->GetSwitchValue("zeta").ToString(), "2") << "the last one wins";
  EXPECT_FALSE(command_line->HasSwitch("ZETA"));
}

TEST(CefCommandLineTest, ReadsSwitchesAndArgumentsFromArgv) {
  const char* argv[] = {"/bin/prog", "--type=renderer", "-v", "file", "--", "--not-a-switch"};
  CefRefPtr<CefCommandLine> command_line = CefCommandLine::CreateCommandLine();
  command_line->InitFromArgv(6, argv);

  EXPECT_EQ(command_line->GetProgram().ToString(), "/bin/prog");
  EXPECT_EQ(command_line->GetSwitchValue("type").ToString(), "renderer");
  EXPECT_TRUE(command_line->HasSwitch("v"));
  CefCommandLine::ArgumentList arguments;
  command_line->GetArguments(arguments);
  ASSERT_EQ(arguments.size(), 2u);
  EXPECT_EQ(arguments[0].ToString(), "file");
  EXPECT_EQ(arguments[1].ToString(), "--not-a-switch");
}

TEST(CefCommandLineTest, StringFormReadsBackTheSame) {
  CefRefPtr<CefCommandLine> original = CefCommandLine::CreateCommandLine();
  original->SetProgram("/opt/my prog");
  original->AppendSwitchWithValue("user-data-dir", "/tmp/a b");
  original->AppendSwitch("flag");
  original->AppendArgument("--looks-like-a-switch");

  CefRefPtr<CefCommandLine> parsed = CefCommandLine::CreateCommandLine();
  parsed->InitFromString(original->GetCommandLineString());
  EXPECT_EQ(Argv(parsed), Argv(original));
}

TEST(CefCommandLineTest, CopiesAreIndependentAndWritable) {
  CefRefPtr<CefCommandLine> original = CefCommandLine::CreateCommandLine();
  original->AppendSwitch("one");
  CefRefPtr<CefCommandLine> copy = original->Copy();
  copy->AppendSwitch("two");
  EXPECT_FALSE(original->HasSwitch("two"));
  EXPECT_TRUE(copy->HasSwitch("one"));
  EXPECT_FALSE(copy->IsReadOnly());
}

}  // namespace
