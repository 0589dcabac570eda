#include <gtest/gtest.h>

#include <string>

#include "tools/zvk/cp1252_text.h"

namespace {

TEST(Cp1252Text, EveryByteSurvivesTheTripThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Cp1252Text, TheFiveUndefinedBytesAreTheirOwnControlCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
  // The defined ones are the characters Windows-1252 gives them.
  EXPECT_EQ(Cp1252ToUtf8("\x80\x9F\xE9"), "\xE2\x82\xAC\xC5\xB8\xC3\xA9");  // euro, Y diaeresis, e acute
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), std::string("\x80"));
}

TEST(Cp1252Text, RefusesACharacterWithoutAByteAndNamesIt) {
  std::string problem;
  EXPECT_EQ(Utf8ToCp1252("ab\xE4\xB8\xAD", &problem), std::nullopt);
  EXPECT_NE(problem.find("U+4E2D"), std::string::npos) << problem;
  // C1 controls other than the five have no byte: U+0080 is not the euro sign.
  EXPECT_EQ(Utf8ToCp1252("\xC2\x80", &problem), std::nullopt);
  EXPECT_NE(problem.find("U+0080"), std::string::npos) << problem;
  EXPECT_EQ(Utf8ToCp1252("\xFF", &problem), std::nullopt);
  EXPECT_NE(problem.find("not valid UTF-8"), std::string::npos) << problem;
}

}  // namespace
