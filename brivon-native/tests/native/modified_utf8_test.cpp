#include "jni/modified_utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
  const char* name;
  const char* input;
  std::u16string expected;
};

TEST(ModifiedUtf8, DecodesEveryUnitAsTheVirtualMachineWroteIt) {
  const Case cases[] = {
      {"ascii", "C:\\cache", u"C:\\cache"},
      {"two-byte", "caf\xC3\xA9", u"caf\u00E9"},
      {"three-byte", "\xE4\xB8\xAD\xE6\x96\x87", u"\u4E2D\u6587"},
      {"NUL as C0 80", "a\xC0\x80" "b", std::u16string(u"a\0b", 3)},
      // U+1F600 as the VM writes it: two 3-byte surrogates.
      {"supplementary as surrogates", "\xED\xA0\xBD\xED\xB8\x80", u"\U0001F600"},
      {"standard 4-byte UTF-8", "\xF0\x9F\x98\x80", u"\U0001F600"},
      {"stray continuation byte", "a\x80z", u"a\uFFFDz"},
      {"truncated sequence", "a\xE4\xB8", u"a\uFFFD\uFFFD"},
      {"empty", "", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(brivon::DecodeModifiedUtf8(c.input), c.expected) << c.name;
  }
}

TEST(ModifiedUtf8, NullReadsAsEmpty) { EXPECT_EQ(brivon::DecodeModifiedUtf8(nullptr), u""); }

std::string Encode(const std::u16string& text) {
  return brivon::EncodeBmpUtf8(text.data(), text.size());
}

struct EncodeCase {
  const char* name;
  std::u16string input;
  std::string expected;
};

TEST(BmpUtf8, ReplacesWhatTheTwoUtf8FormsWriteDifferently) {
  const EncodeCase cases[] = {
      {"ascii", u"plain", "plain"},
      {"two-byte", u"caf\u00E9", "caf\xC3\xA9"},
      {"three-byte", u"\u4E2D\u20AC\uFFFF", "\xE4\xB8\xAD\xE2\x82\xAC\xEF\xBF\xBF"},
      {"supplementary in a sentence", u"Hello \U0001F600 World, and more",
       "Hello \xEF\xBF\xBD World, and more"},
      {"two supplementary in a row", u"\U0001F600\U00010000", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"NUL ends the text", std::u16string(u"ab\0cd", 5), "ab"},
      {"leading NUL", std::u16string(u"\0x", 2), ""},
      {"lone high surrogate", u"a\xD83Dz", "a\xEF\xBF\xBDz"},
      {"lone low surrogate", u"a\xDE00z", "a\xEF\xBF\xBDz"},
      {"high surrogate at the end", u"a\xD83D", "a\xEF\xBF\xBD"},
      {"pair in the wrong order", u"\xDE00\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"empty", u"", ""},
  };
  for (const EncodeCase& c : cases) EXPECT_EQ(Encode(c.input), c.expected) << c.name;
}

TEST(BmpUtf8, HighSurrogateIsNotPairedBeyondTheGivenLength) {
  const std::u16string units = u"a\U0001F600";
  EXPECT_EQ(brivon::EncodeBmpUtf8(units.data(), 2), "a\xEF\xBF\xBD");
}

TEST(BmpUtf8, EveryCharacterOfThePlaneReadsBackAsItself) {
  for (char32_t code = 1; code <= 0xFFFF; ++code) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    const std::u16string text = {u'<', static_cast<char16_t>(code), u'>'};
    ASSERT_EQ(brivon::DecodeModifiedUtf8(Encode(text).c_str()), text) << std::hex << code;
  }
}

}  // namespace
