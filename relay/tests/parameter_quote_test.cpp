// The parameter string, read back the way the started program reads its command line.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "parameter_quote.h"

namespace {

using linkrelay::quoteParameter;

std::string shown(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out.push_back(static_cast<char>(c));
    } else {
      out += "\\u{" + std::to_string(static_cast<unsigned>(c)) + "}";
    }
  }
  return out;
}

// The arguments CommandLineToArgvW finds after a program name.
std::vector<std::wstring> splitAfterProgram(const std::wstring& parameters) {
  const std::wstring commandLine = L"program.exe " + parameters;
  int count = 0;
  wchar_t** items = CommandLineToArgvW(commandLine.c_str(), &count);
  if (items == nullptr) {
    return {L"<split failed>"};
  }
  std::vector<std::wstring> arguments(items + 1, items + count);
  LocalFree(items);
  return arguments;
}

TEST(ParameterQuote, PayloadsWithoutBackslashesKeepThePlainEscapedForm) {
  struct Case {
    std::wstring payload, expected;
  };
  const Case cases[] = {
      {L"a\"b", L"\"a\\\"b\""},
      {L"", L"\"\""},
      {L"plain", L"\"plain\""},
      {L"\"\"", L"\"\\\"\\\"\""},
      {L"two words", L"\"two words\""},
      {L"brivon://open?id=7&x=\"y\"", L"\"brivon://open?id=7&x=\\\"y\\\"\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(quoteParameter(c.payload), c.expected) << shown(c.payload);
  }
}

TEST(ParameterQuote, BackslashesAreDoubledOnlyBeforeAQuote) {
  struct Case {
    std::wstring payload, expected;
  };
  const Case cases[] = {
      {L"C:\\dir\\file", L"\"C:\\dir\\file\""},       // no quote after them: unchanged
      {L"ends\\", L"\"ends\\\\\""},                     // before the closing quote
      {L"a\\\"b", L"\"a\\\\\\\"b\""},                   // one backslash before a quote: three
      {L"\\\\server\\", L"\"\\\\server\\\\\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(quoteParameter(c.payload), c.expected) << shown(c.payload);
  }
}

TEST(ParameterQuote, HardPayloadsReadBackAsExactlyThemselves) {
  const std::wstring payloads[] = {
      L"", L" ", L"\t", L"\"", L"\\", L"\\\\", L"\\\"", L"\"\\", L"a\\", L"a\\\\", L"\\\"\\",
      L"end\\\\\\", L"x\" \"y", L"x\\\" --elevated \\\"y", L"\" --extra \"", L"\"\"\"", L"a\"\"b",
      L"C:\\Program Files\\", L"\\\\server\\share\\", L"line\nbreak", L"caf\u00e9 \u2603",
      L"trailing space ", L"  lead", L"^&|<>%", L"a\\\\\"b\\\\",
  };
  for (const std::wstring& payload : payloads) {
    const std::vector<std::wstring> arguments = splitAfterProgram(quoteParameter(payload));
    ASSERT_EQ(arguments.size(), 1u) << shown(payload) << " -> " << shown(quoteParameter(payload));
    EXPECT_EQ(arguments[0], payload) << shown(payload) << " -> " << shown(quoteParameter(payload));
  }
}

// Hard arguments from a seeded generator, several to a command line, each quoted on its own
// and the quoted forms joined by blanks: the system's splitting must give back exactly the
// arguments, whatever sits next to what. LINKRELAY_FUZZ_SEED replays another sequence.
class HardArguments {
 public:
  explicit HardArguments(std::uint32_t seed) : random_(seed) {}

  std::wstring next() {
    switch (pick(8)) {
      case 0: return L"";
      case 1: return std::wstring(pick(40), L'\\') + L'"' + mixed(pick(4));  // backslash run before a quote
      case 2: return mixed(pick(6)) + std::wstring(1 + pick(40), L'\\');  // and at the end
      case 3: return blanks(1 + pick(4));
      case 4: return mixed(pick(3000));  // long
      default: return mixed(pick(24));
    }
  }
  // What goes between two quoted arguments.
  std::wstring separator() { return blanks(1 + pick(3)); }
  std::size_t pick(std::size_t below) { return std::uniform_int_distribution<std::size_t>(0, below - 1)(random_); }

 private:
  std::wstring blanks(std::size_t length) {
    std::wstring text;
    while (text.size() < length) text.push_back(pick(2) ? L' ' : L'\t');
    return text;
  }
  // Quotes and backslashes in runs, blanks, line ends, and non-ASCII text: Latin, CJK, a
  // character beyond the basic plane, lone surrogates, a no-break and an ideographic space.
  std::wstring mixed(std::size_t length) {
    static const std::wstring pieces[] = {
        L"\\", L"\\\\", L"\\\\\\", L"\"", L"\"\"", L"\\\"", L" ", L"\t", L"a", L"Z9", L"\n", L"\r",
        L"\u00e9", L"\u4e2d\u6587", L"\U0001F600", L"\xD800", L"\xDC00", L"\u00a0", L"\u3000", L"\uFFFF",
        L"^&|<>%!", L"C:\\Program Files\\",
    };
    std::wstring text;
    while (text.size() < length) text += pieces[pick(std::size(pieces))];
    return text;
  }

  std::mt19937 random_;
};

std::uint32_t fuzzSeed() {
  char value[32] = {};
  if (GetEnvironmentVariableA("LINKRELAY_FUZZ_SEED", value, sizeof value) > 0) {
    return static_cast<std::uint32_t>(std::strtoul(value, nullptr, 0));
  }
  return 0x14C0FFEEu;
}

std::string shownShort(const std::wstring& text) {
  return text.size() <= 200 ? shown(text) : shown(text.substr(0, 200)) + "... (" + std::to_string(text.size()) + ")";
}

TEST(ParameterQuote, SeededHardArgumentsReadBackAsExactlyThemselves) {
  constexpr int kCommandLines = 20000;
  const std::uint32_t seed = fuzzSeed();
  HardArguments generate(seed);
  std::size_t arguments = 0, longest = 0, characters = 0;
  const ULONGLONG start = GetTickCount64();
  for (int line = 0; line < kCommandLines; ++line) {
    std::vector<std::wstring> expected(1 + generate.pick(4));
    std::wstring parameters;
    for (std::wstring& argument : expected) {
      argument = generate.next();
      if (!parameters.empty()) parameters += generate.separator();
      parameters += quoteParameter(argument);
      longest = std::max(longest, argument.size());
      characters += argument.size();
    }
    arguments += expected.size();
    const std::vector<std::wstring> split = splitAfterProgram(parameters);
    if (split != expected) {
      std::string detail;
      for (std::size_t i = 0; i < expected.size(); ++i) {
        detail += "\n  argument " + std::to_string(i) + ": " + shownShort(expected[i]) + " -> " +
                  (i < split.size() ? shownShort(split[i]) : "missing");
      }
      FAIL() << "seed " << seed << ", command line " << line << ": " << expected.size() << " arguments, "
             << split.size() << " read back" << detail;
    }
  }
  std::printf("[ figures  ] quoting read back by CommandLineToArgvW: seed 0x%08X, %d command lines, %zu arguments,"
              " %zu characters, longest %zu, %llu ms\n",
              seed, kCommandLines, arguments, characters, longest,
              static_cast<unsigned long long>(GetTickCount64() - start));
}

// Arguments near the longest command line a started program can get (32767 characters).
TEST(ParameterQuote, VeryLongArgumentsReadBackAsExactlyThemselves) {
  const std::wstring cases[] = {
      std::wstring(16000, L'\\'),
      std::wstring(10000, L'\\') + L'"' + std::wstring(5000, L'\\'),
      std::wstring(30000, L'x'),
      std::wstring(15000, L'"'),
  };
  for (const std::wstring& payload : cases) {
    const std::wstring quoted = quoteParameter(payload);
    EXPECT_LE(quoted.size(), 32767u - sizeof "program.exe ") << "fits a command line";
    const std::vector<std::wstring> split = splitAfterProgram(quoted);
    ASSERT_EQ(1u, split.size()) << shownShort(payload);
    EXPECT_TRUE(split[0] == payload) << shownShort(payload) << " -> " << shownShort(split[0]);
  }
}

}  // namespace
