#include "playback_fixture.h"

namespace {

using Guard = Playback::Guard;

TEST_F(PlaybackTest, TypeCharUsesShiftOnlyForTheShiftSet) {
  playback.TypeChar('a', Guard::byKey);
  EXPECT_EQ(Take(), "down 41, up 41");
  playback.TypeChar('A', Guard::byKey);
  EXPECT_EQ(Take(), "down 10, down 41, up 41, up 10");
  playback.TypeChar('<', Guard::byCharacter);
  EXPECT_EQ(Take(), "down 10, down bc, up bc, up 10");
  playback.TypeChar('\'', Guard::byCharacter);
  EXPECT_EQ(Take(), "down de, up de");
  // Every one of the 21 punctuation marks and no other.
  const std::string shifted = "!\"#$%&()*+:<>?@^_{|}~";
  for (int c = 0x20; c < 0x7F; ++c) {
    const bool expect = shifted.find(static_cast<char>(c)) != std::string::npos || (c >= 'A' && c <= 'Z');
    playback.TypeChar(static_cast<char>(c), Guard::byKey);
    EXPECT_EQ(Take().rfind("down 10,", 0) == 0, expect) << "char " << c;
  }
}

TEST_F(PlaybackTest, HighBytesAreNeverShiftedAndKeylessCharactersSendFF) {
  playback.TypeChar('\xE9', Guard::byKey);
  playback.TypeChar('\x80', Guard::byCharacter);
  EXPECT_EQ(Take(), "down ff, up ff, down ff, up ff");
}

TEST_F(PlaybackTest, LineBreaksDependOnTheGuard) {
  playback.TypeChar('\r', Guard::byKey);
  playback.TypeChar('\r', Guard::byCharacter);
  playback.TypeChar('\n', Guard::byKey);
  EXPECT_EQ(Take(), "");
  playback.TypeChar('\n', Guard::byCharacter);
  EXPECT_EQ(Take(), "down 0d, up 0d");
}

}  // namespace
