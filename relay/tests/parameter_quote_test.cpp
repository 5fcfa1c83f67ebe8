// The parameter string, read back the way the started program reads its command line.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

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

TEST(ParameterQuote, RandomPayloadsReadBackAsExactlyThemselves) {
  const wchar_t alphabet[] = {L'\\', L'\\', L'"', L'"', L' ', L'\t', L'a', L'b', L'\u00e9', L'\n'};
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> lengthOf(0, 24);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(alphabet) - 1);
  for (int round = 0; round < 5000; ++round) {
    std::wstring payload(static_cast<std::size_t>(lengthOf(random)), L' ');
    for (wchar_t& c : payload) {
      c = alphabet[pick(random)];
    }
    const std::vector<std::wstring> arguments = splitAfterProgram(quoteParameter(payload));
    ASSERT_TRUE(arguments.size() == 1 && arguments[0] == payload)
        << "round " << round << ": " << shown(payload) << " -> " << shown(quoteParameter(payload));
  }
}

}  // namespace
