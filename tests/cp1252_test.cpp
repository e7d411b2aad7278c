#include <gtest/gtest.h>

#include <string>

#include "state/cp1252.h"

namespace qm {
namespace {

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(Cp1252, BytesFrom80To9FAreTheCodePagesTypographicCharacters) {
  // Byte 0x80 + index; "?" for the five bytes the code page leaves undefined.
  const char* expected[32] = {"€", "?", "‚", "ƒ", "„", "…", "†", "‡", "ˆ", "‰", "Š", "‹", "Œ", "?", "Ž", "?",
                              "?", "‘", "’", "“", "”", "•", "–", "—", "˜", "™", "š", "›", "œ", "?", "ž", "Ÿ"};
  for (int i = 0; i < 32; ++i)
    EXPECT_EQ(Cp1252ToUtf8(std::string(1, static_cast<char>(0x80 + i))), expected[i]) << i;
}

TEST(Cp1252, LatinOneBytesAndAsciiMapToTheirOwnCodePoints) {
  EXPECT_EQ(Cp1252ToUtf8("\xA0"), "\u00a0");
  EXPECT_EQ(Cp1252ToUtf8("\xB4"), "´");
  EXPECT_EQ(Cp1252ToUtf8("\xC4\xD6\xDC\xDF\xE9"), "ÄÖÜßé");
  EXPECT_EQ(Cp1252ToUtf8("\xFF"), "ÿ");
  EXPECT_EQ(Cp1252ToUtf8("Plain text 123"), "Plain text 123");
}

TEST(Cp1252, WholeCodePageRoundTripsExceptTheUndefinedBytes) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string back = Utf8ToCp1252(Cp1252ToUtf8(all));
  ASSERT_EQ(back.size(), all.size());
  for (int b = 1; b < 256; ++b) {
    const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    EXPECT_EQ(static_cast<uint8_t>(back[b - 1]), undefined ? '?' : b) << b;
  }
}

TEST(Cp1252, CharactersTheCodePageLacksAndBrokenUtf8BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("\u4e16 \U0001F680 \u0100 ok"), "? ? ? ok");
  EXPECT_EQ(Utf8ToCp1252("\xC2\x85"), "?");  // a C1 control, not the byte 0x85 ("…")
  EXPECT_EQ(Utf8ToCp1252("…€"), "\x85\x80");
  EXPECT_EQ(Utf8ToCp1252(std::string("bad \xC3 \xFF end")), "bad ? ? end");
  EXPECT_EQ(Utf8ToCp1252(std::string("\xC0\xAF")), "??");            // overlong "/"
  EXPECT_EQ(Utf8ToCp1252(std::string("\xED\xA0\x80")), "???");       // a surrogate
  EXPECT_EQ(Utf8ToCp1252(std::string("\xF4\x90\x80\x80")), "????");  // beyond U+10FFFF
  EXPECT_EQ(Utf8ToCp1252(std::string("end\xE2\x82")), "end??");      // cut off
}

TEST(Cp1252, TypedNamesKeepThirtyPrintableCharacters) {
  EXPECT_EQ(SanitizeTypedName("Jo\tna\x01s\n\x7F"), "Jonas");
  EXPECT_EQ(SanitizeTypedName("A\xC2\x85" "B"), "AB");  // C1 control removed
  EXPECT_EQ(SanitizeTypedName(std::string("x\xFFy")), "xy");
  EXPECT_EQ(SanitizeTypedName(""), "");
  EXPECT_EQ(SanitizeTypedName(std::string(30, 'a')), std::string(30, 'a'));
  EXPECT_EQ(SanitizeTypedName(std::string(31, 'a')), std::string(30, 'a'));
  // Characters are counted, not bytes: 30 euro signs are 90 bytes.
  EXPECT_EQ(SanitizeTypedName(Repeat("€", 40)), Repeat("€", 30));
  // Removed control characters do not count toward the 30.
  EXPECT_EQ(SanitizeTypedName(Repeat("\t", 10) + std::string(30, 'b')), std::string(30, 'b'));
  EXPECT_EQ(SanitizeTypedName("Captain Åsa “Red”"), "Captain Åsa “Red”");
}

}  // namespace
}  // namespace qm
