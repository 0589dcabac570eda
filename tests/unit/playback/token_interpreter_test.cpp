#include "playback_fixture.h"

namespace {

class TokenTest : public PlaybackTest {
 protected:
  // The effects of a recognised token; "NOT A TOKEN" otherwise.
  std::string Run(const std::string& text) {
    const bool recognised = playback.RunToken(0, 0, true, text);
    const std::string effects = Take();
    return recognised ? effects : "NOT A TOKEN";
  }
};

constexpr const char* kNotAToken = "NOT A TOKEN";

TEST_F(TokenTest, WholeTextMustBeOneToken) {
  EXPECT_EQ(Run("[TAB]"), "down 09, up 09");
  for (const char* text : {"[tab] ", "[enter]x", "x[enter]", "", "[", "[]", "[nothing]", "[\"a]",
                           "[F0]", "[F25]", "[tab"}) {
    EXPECT_EQ(Run(text), kNotAToken) << text;
  }
  // A prefixed form only needs its marker and the closing bracket.
  EXPECT_EQ(Run("[!500] [enter]"), "sleep 500");
}

TEST_F(TokenTest, NamedKeysTapPressOrRelease) {
  EXPECT_EQ(Run("[page_down]"), "down 22, up 22");
  EXPECT_EQ(Run("[f24]"), "down 87, up 87");
  EXPECT_EQ(Run("[ctrl]"), "down 11");
  EXPECT_EQ(Run("[Shift_Up]"), "up 10");
  EXPECT_EQ(Run("[paste]"), "down 11, down 56, up 56, up 11");
  EXPECT_EQ(Run("[multi]"), "");
  EXPECT_TRUE(playback.bMultiLineEntry);
  EXPECT_EQ(Run("[Single]"), "");
  EXPECT_FALSE(playback.bMultiLineEntry);
}

TEST_F(TokenTest, NumbersAreReadLikeAtoi) {
  EXPECT_EQ(Run("[!abc]"), "sleep 0");
  EXPECT_EQ(Run("[! 25ms]"), "sleep 25");
  EXPECT_EQ(Run("[!-5]"), "sleep 0");  // a negative wait waits nothing
  EXPECT_EQ(Run("[!99999999999]"), "sleep 2147483647");
  EXPECT_EQ(Run("[#321]"), "down 41, up 41");
  EXPECT_EQ(Run("[#-1]"), "down ff, up ff");
  EXPECT_EQ(Run("[#0x41]"), "down 00, up 00");
}

TEST_F(TokenTest, ClipboardCommentAndDefaultForms) {
  EXPECT_EQ(Run("[;anything at all]"), "");
  EXPECT_EQ(Run("[^[x]]"), "clipboard \"x\"");
  EXPECT_EQ(Run("[^a^b]"), "clipboard \"ab\"");
  EXPECT_EQ(Run("[*John]"), "");
  EXPECT_EQ(playback.strDefaultEntry, "John");
  // A failing clipboard still counts as recognised.
  rec.FailNext(FailPoint::openClipboard);
  EXPECT_EQ(Run("[^x]"), "message \"Error opening clipboard\"");
}

TEST_F(TokenTest, SingleCharacterForm) {
  EXPECT_EQ(Run("['A']"), "down 10, down 41, up 41, up 10");
  EXPECT_EQ(Run("['abc']"), "down 41, up 41");
  EXPECT_EQ(Run("[' ']"), "down 20, up 20");
  // Nothing left after stripping: the character 0 is typed (it has no key).
  for (const char* text : {"['']", "[''']", "['[']", "[']"}) {
    EXPECT_EQ(Run(text), "down ff, up ff") << text;
  }
  EXPECT_EQ(Run("['\n']"), "down 0d, up 0d");
  EXPECT_EQ(Run("['\r']"), "");
}

TEST_F(TokenTest, QuotedTextTypesCharactersAndEmbeddedTokens) {
  EXPECT_EQ(Run("[\"\"]"), "");
  EXPECT_EQ(Run("[\"]"), "");
  EXPECT_EQ(Run("[\"Hi[enter]Yo\"]"),
            "down 10, down 48, up 48, up 10, down 49, up 49, down 0d, up 0d, "
            "down 10, down 59, up 59, up 10, down 4f, up 4f");
  // Not a token inside: its bracket is typed and the rest as plain text.
  EXPECT_EQ(Run("[\"a[xy]b\"]"),
            "down 41, up 41, down db, up db, down 58, up 58, down 59, up 59, down dd, up dd, "
            "down 42, up 42");
  // No closing bracket inside the quotes.
  EXPECT_EQ(Run("[\"5[o\"]"), "down 35, up 35, down db, up db, down 4f, up 4f");
  EXPECT_EQ(Run("[\"ab[tab]\"]"), "down 41, up 41, down 42, up 42, down 09, up 09");
  EXPECT_EQ(Run("[\"[CTRL]c[CTRL_UP]\"]"), "down 11, down 43, up 43, up 11");
  // Line breaks inside quotes are skipped.
  EXPECT_EQ(Run("[\"a\r\nb\"]"), "down 41, up 41, down 42, up 42");
  // The Shift release of a shifted character also ends a held Shift.
  EXPECT_EQ(Run("[\"[shift]Ab\"]"), "down 10, down 10, down 41, up 41, up 10, down 42, up 42");
  // An embedded prompt and variable work inside quotes.
  rec.QueueAnswer({DataEntryAnswer::Kind::answer, "z"});
  EXPECT_EQ(Run("[\"[&3Name][%3]\"]"), "prompt 3 \"Name\" single, down 5a, up 5a");
  // Without a digit the first character is still taken off the prompt.
  EXPECT_EQ(Run("[&Name]"), "prompt 0 \"ame\" single");
}

TEST_F(TokenTest, ItemTextsComeFromTheDocumentUnchanged) {
  SetItem(1, 2, "[enter]");
  EXPECT_TRUE(playback.RunToken(1, 2, false, "[tab]"));
  EXPECT_EQ(Take(), "down 0d, up 0d");
  EXPECT_EQ(doc->strSubMenuItemText[ItemSlot(1, 2)], "[enter]");
  EXPECT_FALSE(playback.RunToken(50, 0, false, ""));
  EXPECT_FALSE(playback.RunToken(0, -1, false, ""));
}

}  // namespace
