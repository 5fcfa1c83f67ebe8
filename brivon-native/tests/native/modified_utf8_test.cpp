#include "jni/modified_utf8.h"

#include <gtest/gtest.h>

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

}  // namespace
