// How characters become key events, without any platform.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "playback/key_strokes.h"
#include "playback/us_english_layout.h"

namespace {

std::string Text(const KeyStrokes& strokes) {
  std::string out;
  for (const KeyStroke& s : strokes) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%s%s %02x", out.empty() ? "" : ", ", s.release ? "up" : "down", s.vk);
    out += buffer;
  }
  return out;
}

TEST(KeyStrokesTest, ShiftFollowsTheFixedSetNotTheLayout) {
  const std::string shifted = "!\"#$%&()*+:<>?@^_{|}~";
  for (int c = 0x20; c < 0x100; ++c) {
    const char ch = static_cast<char>(c);
    const bool expect = c < 0x7F && (shifted.find(ch) != std::string::npos || (c >= 'A' && c <= 'Z'));
    // The layout asks for Shift on every one; only the set decides.
    const KeyStrokes strokes = CharacterKeyStrokes(ch, Guard::byKey, 0x141);
    EXPECT_EQ(strokes.size(), expect ? 4u : 2u) << "char " << c;
    EXPECT_EQ(*strokes.begin() == (KeyStroke{0x10, false}), expect) << "char " << c;
  }
}

TEST(KeyStrokesTest, CharactersTapTheLayoutsKeyUnlessTheGuardSkipsIt) {
  const struct {
    char c;
    Guard guard;
    std::string expected;
  } rows[] = {
      {'a', Guard::byKey, "down 41, up 41"},
      {'A', Guard::byCharacter, "down 10, down 41, up 41, up 10"},
      {'\'', Guard::byCharacter, "down de, up de"},
      {'\xE9', Guard::byKey, "down ff, up ff"},  // no key: the low byte of -1
      {'\r', Guard::byKey, ""},
      {'\r', Guard::byCharacter, ""},
      {'\n', Guard::byKey, ""},  // its key is Enter
      {'\n', Guard::byCharacter, "down 0d, up 0d"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Text(CharacterKeyStrokes(row.c, row.guard, UsEnglishKeyForChar(row.c))), row.expected)
        << static_cast<int>(row.c);
  }
  EXPECT_EQ(Text(TapKeyStrokes(0x09)), "down 09, up 09");
  EXPECT_EQ(Text(PasteKeyStrokes(UsEnglishKeyForChar('v'))), "down 11, down 56, up 56, up 11");
}

}  // namespace
