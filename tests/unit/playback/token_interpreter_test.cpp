#include <optional>

#include "recording_fixture.h"

namespace {

using TokenTest = PlaybackTest;

TEST_F(TokenTest, EachFormDoesWhatItSaysAndAnythingElseIsNoToken) {
  const struct {
    const char* text;
    std::string effects;
  } rows[] = {
      // The whole text must be one token, in any letter case.
      {"[TAB]", "down 09, up 09"},
      {"[tab] ", kNotAToken}, {"[enter]x", kNotAToken}, {"x[enter]", kNotAToken}, {"", kNotAToken},
      {"[", kNotAToken}, {"[]", kNotAToken}, {"[nothing]", kNotAToken}, {"[tab", kNotAToken},
      {"[F0]", kNotAToken}, {"[F25]", kNotAToken}, {"[F01]", kNotAToken}, {"[\"a]", kNotAToken},
      // A prefixed form only needs its marker and the closing bracket.
      {"[!500] [enter]", "sleep 500"},
      {"[page_down]", "down 22, up 22"},
      {"[f24]", "down 87, up 87"},
      {"[F10]", "down 79, up 79"},
      {"[ctrl]", "down 11"},
      {"[Shift_Up]", "up 10"},
      {"[paste]", "down 11, down 56, up 56, up 11"},
      // Numbers are read like atoi.
      {"[!abc]", "sleep 0"},
      {"[! 25ms]", "sleep 25"},
      {"[!-5]", "sleep 0"},  // a negative wait waits nothing
      {"[!99999999999]", "sleep 2147483647"},
      {"[#321]", "down 41, up 41"},
      {"[#-1]", "down ff, up ff"},
      {"[#0x41]", "down 00, up 00"},
      {"[;anything at all]", ""},
      {"[^[x]]", "clipboard \"x\""},
      {"[^a^b]", "clipboard \"ab\""},
      {"[^]", "clipboard \"\""},
      {"[^line 1\r\nline 2]", "clipboard \"line 1\\x0d\\x0aline 2\""},
      // One character, typed with Shift as needed; a line feed is Enter.
      {"['A']", "down 10, down 41, up 41, up 10"},
      {"['abc']", "down 41, up 41"},
      {"[' ']", "down 20, up 20"},
      {"['\n']", "down 0d, up 0d"},
      {"['\r']", ""},
      // Nothing left after stripping: the character 0 (it has no key).
      {"['']", "down ff, up ff"}, {"[''']", "down ff, up ff"}, {"['[']", "down ff, up ff"},
      // Quoted text: characters and embedded tokens.
      {"[\"\"]", ""},
      {"[\"]", ""},
      {"[\"Hi[enter]Yo\"]",
       "down 10, down 48, up 48, up 10, down 49, up 49, down 0d, up 0d, down 10, down 59, up 59, up 10, "
       "down 4f, up 4f"},
      // Not a token inside: its bracket is typed and the rest as plain text.
      {"[\"a[xy]b\"]", "down 41, up 41, down db, up db, down 58, up 58, down 59, up 59, down dd, up dd, down 42, up 42"},
      // No closing bracket inside the quotes.
      {"[\"5[o\"]", "down 35, up 35, down db, up db, down 4f, up 4f"},
      {"[\"[x[tab]\"]", "down db, up db, down 58, up 58, down 09, up 09"},
      {"[\"ab[tab]\"]", "down 41, up 41, down 42, up 42, down 09, up 09"},
      {"[\"[CTRL]c[CTRL_UP]\"]", "down 11, down 43, up 43, up 11"},
      {"[\"a\r\nb\"]", "down 41, up 41, down 42, up 42"},  // line breaks are skipped
      // The Shift release of a shifted character also ends a held Shift.
      {"[\"[shift]Ab\"]", "down 10, down 10, down 41, up 41, up 10, down 42, up 42"},
      // Without a digit the first character is still taken off the prompt.
      {"[&Name]", "prompt 0 \"ame\" single"},
  };
  for (const auto& row : rows) EXPECT_EQ(Run(row.text), row.effects) << row.text;
}

TEST_F(TokenTest, StyleAndDefaultTokensSetThePromptState) {
  EXPECT_EQ(Run("[multi]"), "");
  EXPECT_TRUE(playback.PromptState().MultiLineEntry());
  EXPECT_EQ(Run("[Single]"), "");
  EXPECT_FALSE(playback.PromptState().MultiLineEntry());
  EXPECT_EQ(Run("[*John]"), "");
  EXPECT_EQ(playback.PromptState().DefaultEntry(), "John");
  // An embedded prompt and variable work inside quotes.
  Answer("z");
  EXPECT_EQ(Run("[\"[&3Name][%3]\"]"), "prompt 3 \"Name\" default \"John\" single, down 5a, up 5a");
}

// Each failure is shown, the token still counts, and the clipboard keeps or
// loses its earlier text.
TEST_F(TokenTest, EveryClipboardFailureIsShown) {
  const struct {
    ClipboardStep step;
    std::string effects;
    std::optional<std::string> clipboard;
  } rows[] = {
      {ClipboardStep::alloc, "message \"Error allocating memory with GlobalAlloc()\"", "before"},
      {ClipboardStep::lock, "message \"Error using GlobalLock() --NULL SubMenu Item definition.\"", "before"},
      {ClipboardStep::unlock, "message \"Error using GlobalUnlock()\", message \"Last Error = 158\"", "before"},
      {ClipboardStep::open, "message \"Error opening clipboard\"", "before"},
      {ClipboardStep::empty, "message \"Error emptying clipboard\"", "before"},
      {ClipboardStep::set, "message \"Error setting clipboard data\"", std::nullopt},
      {ClipboardStep::close, "clipboard \"new\", message \"Error closing clipboard\"", "new"},
  };
  for (const auto& row : rows) {
    rec.ClipboardPort().SetContents("before");
    rec.ClipboardPort().FailNext(row.step);
    playback.RunToken("[^new]");
    for (const Effect& e : log.Effects()) EXPECT_EQ(e.number, MB::Ok);
    EXPECT_EQ(Take(), row.effects);
    EXPECT_EQ(rec.ClipboardPort().Text(), row.clipboard);
  }
}

}  // namespace
