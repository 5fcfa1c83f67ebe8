#include <gtest/gtest.h>

#include <string>

#include "include/cef_base.h"

namespace {

struct Utf8Case {
  const char* what;
  std::string utf8;
  std::u16string utf16;
};

std::u16string Units(const CefString& s) {
  return std::u16string(reinterpret_cast<const char16_t*>(s.c_str()), s.length());
}

CefString FromUnits(const std::u16string& units) {
  return CefString(reinterpret_cast<const char16*>(units.data()), units.size(), true);
}

TEST(CefStringTest, Utf8AndUtf16ConvertBothWays) {
  const Utf8Case cases[] = {
      {"ASCII", "abc", u"abc"},
      {"two-byte", "\xC3\xA9", u"\u00E9"},
      {"three-byte", "\xE4\xB8\xAD\xE6\x96\x87", u"\u4E2D\u6587"},
      {"outside the BMP, as a surrogate pair", "\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
      {"embedded NUL", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
      {"trailing NUL", std::string("z\0", 2), std::u16string(u"z\0", 2)},
  };
  for (const Utf8Case& c : cases) {
    CefString from_utf8(c.utf8);
    EXPECT_EQ(Units(from_utf8), c.utf16) << c.what;
    EXPECT_EQ(FromUnits(c.utf16).ToString(), c.utf8) << c.what;
  }
}

TEST(CefStringTest, MalformedInputBecomesReplacementCharacters) {
  const Utf8Case cases[] = {
      {"truncated sequence", "a\xE4\xB8", u"a\uFFFD"},
      {"overlong form", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"stray continuation byte", "\x80x", u"\uFFFDx"},
  };
  for (const Utf8Case& c : cases)
    EXPECT_EQ(Units(CefString(c.utf8)), c.utf16) << c.what;

  EXPECT_EQ(FromUnits(std::u16string(1, u'\xD800')).ToString(), "\xEF\xBF\xBD")
      << "a lone surrogate cannot be written as UTF-8";
}

TEST(CefStringTest, WideStringsCarrySupplementaryCharacters) {
  CefString s(std::wstring(L"x\U0001F600"));
  EXPECT_EQ(Units(s), std::u16string(u"x\xD83D\xDE00"));
  EXPECT_EQ(s.ToWString(), std::wstring(L"x\U0001F600"));
}

TEST(CefStringTest, WritesThroughToAStructureItDoesNotOwn) {
  CefSettings settings;
  CefString(&settings.cache_path) = "/tmp/cache";
  EXPECT_EQ(CefString(&settings.cache_path).ToString(), "/tmp/cache");
  // The wrapper went away; the structure kept the text and frees it itself.
  EXPECT_EQ(settings.cache_path.length, 10u);
}

TEST(CefStringTest, CopiedSettingsOwnTheirStrings) {
  CefSettings copy;
  {
    CefSettings original;
    CefString(&original.log_file) = "first.log";
    copy = original;
    CefString(&original.log_file) = "changed.log";
  }
  EXPECT_EQ(CefString(&copy.log_file).ToString(), "first.log");
  EXPECT_NE(copy.size, 0u);
}

TEST(CefStringTest, ComparesByCodeUnitsIncludingNul) {
  CefString a(std::string("a\0b", 3));
  CefString b(std::string("a\0c", 3));
  CefString prefix("a");
  EXPECT_LT(a, b);
  EXPECT_LT(prefix, a);
  EXPECT_NE(a, prefix);
  EXPECT_EQ(CefString(), CefString(""));
}

TEST(CefStringTest, UserFreeHandOverKeepsTheText) {
  CefString s(std::string("keep\0me", 7));
  cef_string_userfree_t handed = s.DetachToUserFree();
  ASSERT_NE(handed, nullptr);
  EXPECT_TRUE(s.empty());
  CefString back;
  back.AttachToUserFree(handed);
  EXPECT_EQ(back.ToString(), std::string("keep\0me", 7));
}

TEST(CefStringTest, MovingCopiesAndTheSourceKeepsItsText) {
  CefString owned("kept");
  CefString constructed(std::move(owned));
  CefString assigned;
  assigned = std::move(owned);
  EXPECT_EQ(constructed.ToString(), "kept");
  EXPECT_EQ(assigned.ToString(), "kept");
  EXPECT_EQ(owned.ToString(), "kept");
  EXPECT_NE(owned.c_str(), assigned.c_str()) << "each has a buffer of its own";

  CefSettings settings;
  CefString(&settings.locale) = "de";
  CefString wrapper(&settings.locale);
  CefString moved(std::move(wrapper));
  moved = "fr";
  EXPECT_EQ(CefString(&settings.locale).ToString(), "de") << "the structure keeps its text";
}

TEST(CefStringTest, AsciiConversionWidensEveryByteAsTheEnginesSignedChar) {
  const struct {
    const char* what;
    std::string bytes;
    std::u16string units;
  } cases[] = {
      {"ASCII", "az~", u"az~"},
      {"NUL", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
      {"Latin-1 byte", "\xE9", u"\xFFE9"},
      {"UTF-8 sequence, byte by byte", "\xC3\xA9", u"\xFFC3\xFFA9"},
      {"lowest and highest high byte", "\x80\xFF", u"\xFF80\xFFFF"},
  };
  for (const auto& c : cases) {
    cef_string_utf16_t out = {};
    EXPECT_EQ(cef_string_ascii_to_utf16(c.bytes.data(), c.bytes.size(), &out), 1) << c.what;
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(out.str), out.length), c.units)
        << c.what;
    cef_string_utf16_clear(&out);
  }
  CefString from_ascii;
  EXPECT_TRUE(from_ascii.FromASCII("A\xE9"));
  EXPECT_EQ(Units(from_ascii), std::u16string(u"A\xFFE9"));
}

}  // namespace
