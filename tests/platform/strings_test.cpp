#include "platform/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

struct CaseRow {
  std::string text, upper, lower;
};

TEST(Strings, UpperAndLowerMapAsciiLatin1AndPolishLettersAndKeepInvalidBytes) {
  const std::vector<CaseRow> rows = {
      {"settings::fullScreen", "SETTINGS::FULLSCREEN", "settings::fullscreen"},
      {"caf\u00e9 \u00c0\u00ff", "CAF\u00c9 \u00c0\u0178", "caf\u00e9 \u00e0\u00ff"},
      {"za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105 ja\u017a\u0144",
       "ZA\u017b\u00d3\u0141\u0106 G\u0118\u015aL\u0104 JA\u0179\u0143",
       "za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105 ja\u017a\u0144"},
      {"\u00d7\u00f7\u00df 1-2", "\u00d7\u00f7\u00df 1-2", "\u00d7\u00f7\u00df 1-2"},
      {"a\xE9z\xC0", "A\xE9Z\xC0", "a\xE9z\xC0"},  // lone Latin-1 bytes pass through
  };
  for (const CaseRow& row : rows) {
    EXPECT_EQ(Upper(row.text), row.upper) << row.text;
    EXPECT_EQ(Lower(row.text), row.lower) << row.text;
  }
}

TEST(Strings, SameTextIgnoresCaseOnly) {
  EXPECT_TRUE(SameText("settings::fullScreen", "SETTINGS::FULLSCREEN"));
  EXPECT_TRUE(SameText("treescreen", "treeScreen"));
  EXPECT_TRUE(SameText("\u017c\u00f3\u0142w", "\u017b\u00d3\u0141W"));
  EXPECT_TRUE(SameText("", ""));
  EXPECT_FALSE(SameText("tile", "tiles"));
  EXPECT_FALSE(SameText("a b", "ab"));
}

TEST(Strings, TrimRemovesCodesBelow33AtBothEndsOnly) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"  settings {\r", "settings {"},
      {std::string("\0\x01\x1f x = 1 \t\n", 12), "x = 1"},
      {"a \t b", "a \t b"},
      {" \t\r\n", ""},
      {"", ""},
      {"\xA0x\xA0", "\xA0x\xA0"},  // bytes above 127 are not blanks
  };
  for (const auto& [text, trimmed] : rows) EXPECT_EQ(Trim(text), trimmed) << text;
}

TEST(Strings, DecodeUtf8ReadsInvalidBytesAsLatin1) {
  const std::vector<std::pair<std::string, std::vector<int>>> rows = {
      {"A\u00e9\u20ac\U0001F384", {'A', 0xE9, 0x20AC, 0x1F384}},
      {"\xE9t\xE9", {0xE9, 't', 0xE9}},
      {"\xC0\x80", {0xC0, 0x80}},                      // overlong NUL
      {"\xED\xA0\x80", {0xED, 0xA0, 0x80}},            // encoded surrogate
      {"\xE2\x82", {0xE2, 0x82}},                      // cut short
      {"\xF4\x90\x80\x80", {0xF4, 0x90, 0x80, 0x80}},  // above U+10FFFF
      {"", {}},
  };
  for (const auto& [text, codepoints] : rows) EXPECT_EQ(DecodeUtf8(text), codepoints) << text;
}

TEST(Strings, EncodeUtf8RoundTripsEveryLengthAndReplacesInvalidCodepoints) {
  for (const int c : {0, 0x7F, 0x80, 0x7FF, 0x800, 0xFFFF, 0x10000, 0x10FFFF}) {
    const std::string text = EncodeUtf8(c);
    EXPECT_EQ(DecodeUtf8(text), std::vector<int>{c}) << c;
  }
  EXPECT_EQ(EncodeUtf8(0xE9), "\xC3\xA9");
  for (const int bad : {-1, 0xD800, 0xDFFF, 0x110000}) EXPECT_EQ(EncodeUtf8(bad), "\uFFFD");
}

TEST(Strings, Latin1ToUtf8MapsEveryByte) {
  EXPECT_EQ(Latin1ToUtf8("caf\xE9\xFF"), "caf\u00e9\u00ff");
  const std::string allBytes = [] {
    std::string s;
    for (int b = 0; b < 256; ++b) s += static_cast<char>(b);
    return s;
  }();
  const std::vector<int> decoded = DecodeUtf8(Latin1ToUtf8(allBytes));
  ASSERT_EQ(decoded.size(), 256u);
  for (int b = 0; b < 256; ++b) EXPECT_EQ(decoded[b], b);
}

}  // namespace
}  // namespace platform
