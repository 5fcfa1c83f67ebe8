#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "include/cef_command_line.h"

namespace {

std::vector<std::string> Texts(const std::vector<CefString>& words) {
  std::vector<std::string> out;
  for (const CefString& w : words)
    out.push_back(w.ToString());
  return out;
}

std::vector<std::string> Argv(CefRefPtr<CefCommandLine> command_line) {
  std::vector<CefString> argv;
  command_line->GetArgv(argv);
  return Texts(argv);
}

CefRefPtr<CefCommandLine> WithProgram() {
  CefRefPtr<CefCommandLine> command_line = CefCommandLine::CreateCommandLine();
  command_line->SetProgram("prog");
  return command_line;
}

struct AppendCase {
  const char* what;
  const char* name;
  const char* value;  // null: AppendSwitch
  const char* word;   // what the command line then holds; null: nothing
  const char* key;    // the name look-ups find it under
};

TEST(CefCommandLineTest, AppendedNamesAreLowerCasedAndKeepTheirOwnPrefix) {
  const AppendCase cases[] = {
      {"bare name", "disable-gpu", nullptr, "--disable-gpu", "disable-gpu"},
      {"name with its dashes", "--disable-gpu", nullptr, "--disable-gpu", "disable-gpu"},
      {"capitals", "Disable-GPU", nullptr, "--disable-gpu", "disable-gpu"},
      {"capitals after dashes", "--Disable-GPU", nullptr, "--disable-gpu", "disable-gpu"},
      {"one dash", "-Single", nullptr, "-single", "single"},
      {"slash", "/Slash", nullptr, "/slash", "slash"},
      {"three dashes keep the third", "---x", nullptr, "---x", "-x"},
      {"only ASCII letters fold", "\xC3\x84Name", nullptr, "--\xC3\x84name", "\xC3\x84name"},
      {"value keeps its case", "Lang", "DE", "--lang=DE", "lang"},
      {"prefixed name with value", "--Proxy-Server", "a=b", "--proxy-server=a=b", "proxy-server"},
      {"empty value is written bare", "blank", "", "--blank", "blank"},
      {"empty name", "", nullptr, nullptr, ""},
      {"empty name with value", "", "v", nullptr, ""},
      {"only a prefix", "--", nullptr, nullptr, ""},
      {"only a dash", "-", "v", nullptr, ""},
      {"only a slash", "/", nullptr, nullptr, ""},
  };
  for (const AppendCase& c : cases) {
    CefRefPtr<CefCommandLine> command_line = WithProgram();
    if (c.value)
      command_line->AppendSwitchWithValue(c.name, c.value);
    else
      command_line->AppendSwitch(c.name);

    std::vector<std::string> expected = {"prog"};
    if (c.word)
      expected.push_back(c.word);
    EXPECT_EQ(Argv(command_line), expected) << c.what;
    EXPECT_EQ(command_line->HasSwitches(), c.word != nullptr) << c.what;
    if (!c.word)
      continue;
    EXPECT_TRUE(command_line->HasSwitch(c.key)) << c.what;
    EXPECT_EQ(command_line->GetSwitchValue(c.key).ToString(), c.value ? c.value : "") << c.what;
    EXPECT_EQ(command_line->HasSwitch(c.name), std::string(c.name) == c.key)
        << c.what << ": look-ups take the name exactly as given";
  }
}

TEST(CefCommandLineTest, ALaterValueReplacesTheEarlierForLookUps) {
  CefRefPtr<CefCommandLine> command_line = WithProgram();
  command_line->AppendSwitchWithValue("zeta", "1");
  command_line->AppendSwitch("alpha");
  command_line->AppendSwitchWithValue("ZETA", "2");

  EXPECT_EQ(Argv(command_line),
            (std::vector<std::string>{"prog", "--zeta=1", "--alpha", "--zeta=2"}));
  EXPECT_EQ(command_line->GetSwitchValue("zeta").ToString(), "2");
  CefCommandLine::SwitchMap switches;
  command_line->GetSwitches(switches);
  EXPECT_EQ(switches, (CefCommandLine::SwitchMap{{"alpha", ""}, {"zeta", "2"}}));
}

TEST(CefCommandLineTest, GettersAddToWhatTheCallerHolds) {
  CefRefPtr<CefCommandLine> command_line = WithProgram();
  command_line->AppendSwitchWithValue("lang", "de");
  command_line->AppendArgument("file");

  std::vector<CefString> argv = {"earlier"};
  command_line->GetArgv(argv);
  EXPECT_EQ(Texts(argv), (std::vector<std::string>{"earlier", "prog", "--lang=de", "file"}));
  CefCommandLine::ArgumentList arguments = {"earlier"};
  command_line->GetArguments(arguments);
  EXPECT_EQ(Texts(arguments), (std::vector<std::string>{"earlier", "file"}));
  CefCommandLine::SwitchMap switches = {{"earlier", "x"}};
  command_line->GetSwitches(switches);
  EXPECT_EQ(switches, (CefCommandLine::SwitchMap{{"earlier", "x"}, {"lang", "de"}}));
}

TEST(CefCommandLineTest, ResetKeepsTheProgram) {
  CefRefPtr<CefCommandLine> command_line = WithProgram();
  command_line->AppendSwitch("flag");
  command_line->AppendArgument("file");
  command_line->Reset();

  EXPECT_EQ(command_line->GetProgram().ToString(), "prog");
  EXPECT_EQ(Argv(command_line), (std::vector<std::string>{"prog"}));
  EXPECT_FALSE(command_line->HasSwitches());
  EXPECT_FALSE(command_line->HasArguments());
}

struct ParseCase {
  const char* what;
  const char* word;
  const char* key;       // the switch the word becomes; null: an argument
  const char* expected;  // the switch's value, or the argument
};

TEST(CefCommandLineTest, WordsReadFromArgvAreTrimmedAndSortedIntoSwitchesAndArguments) {
  const ParseCase cases[] = {
      {"switch with value", "--type=renderer", "type", "renderer"},
      {"capitals fold", "--Type=Renderer", "type", "Renderer"},
      {"one dash", "-V", "v", ""},
      {"slash, value with an equals sign", "/c=x=y", "c", "x=y"},
      {"empty value", "--d=", "d", ""},
      {"surrounding blanks", " \t--e\r\n", "e", ""},
      {"Unicode blanks", "\xE3\x80\x80-f\xC2\xA0", "f", ""},
      {"three dashes", "---g", "-g", ""},
      {"plain word", "file", nullptr, "file"},
      {"trimmed argument", "  spaced  ", nullptr, "spaced"},
      {"a lone dash", "-", nullptr, "-"},
      {"a lone slash", "/", nullptr, "/"},
  };
  for (const ParseCase& c : cases) {
    const char* argv[] = {"/bin/prog", c.word};
    CefRefPtr<CefCommandLine> command_line = CefCommandLine::CreateCommandLine();
    command_line->InitFromArgv(2, argv);

    EXPECT_EQ(command_line->GetProgram().ToString(), "/bin/prog") << c.what;
    CefCommandLine::ArgumentList arguments;
    command_line->GetArguments(arguments);
    if (c.key) {
      EXPECT_TRUE(command_line->HasSwitch(c.key)) << c.what;
      EXPECT_EQ(command_line->GetSwitchValue(c.key).ToString(), c.expected) << c.what;
      EXPECT_TRUE(arguments.empty()) << c.what;
    } else {
      EXPECT_FALSE(command_line->HasSwitches()) << c.what;
      EXPECT_EQ(Texts(arguments), std::vector<std::string>{c.expected}) << c.what;
    }
  }
}

TEST(CefCommandLineTest, ADoubleDashAloneEndsTheSwitches) {
  const char* argv[] = {"prog", "-v", "first", " -- ", "--not-a-switch", "--", "/x"};
  CefRefPtr<CefCommandLine> command_line = CefCommandLine::CreateCommandLine();
  command_line->InitFromArgv(7, argv);

  CefCommandLine::SwitchMap switches;
  command_line->GetSwitches(switches);
  EXPECT_EQ(switches, (CefCommandLine::SwitchMap{{"v", ""}}));
  CefCommandLine::ArgumentList arguments;
  command_line->GetArguments(arguments);
  EXPECT_EQ(Texts(arguments), (std::vector<std::string>{"first", "--not-a-switch", "--", "/x"}))
      << "only the first \"--\" is a separator";
}

TEST(CefCommandLineTest, StringFormReadsBackTheSame) {
  CefRefPtr<CefCommandLine> original = CefCommandLine::CreateCommandLine();
  original->SetProgram("/opt/my prog");
  original->AppendSwitchWithValue("user-data-dir", "/tmp/a b");
  original->AppendSwitch("/flag");
  original->AppendArgument("--looks-like-a-switch");
  original->AppendArgument("/tmp/file");

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
