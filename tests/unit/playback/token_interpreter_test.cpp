// The token interpreter: each form of token, what is no token, the
// clipboard's failures and the prompts; and below it the key strokes of a
// character, the clipboard's memory block and the data entry box's model.
#include <optional>
#include <string>

#include "playback/clipboard_block.h"
#include "playback/data_entry_model.h"
#include "playback/key_strokes.h"
#include "recording_fixture.h"

namespace {

using TokenTest = PlaybackTest;

TEST_F(TokenTest, EachFormDoesWhatItSaysAndAnythingElseIsNoToken) {
  const struct {
    const char* text;
    std::string effects;
  } rows[] = {
      // The whole text must be one token, in any letter case.
      {"[TAB]", "down 09, up 09"}, {"[page_down]", "down 22, up 22"}, {"[f24]", "down 87, up 87"},
      {"[ctrl]", "down 11"}, {"[Shift_Up]", "up 10"}, {"[paste]", "down 11, down 56, up 56, up 11"},
      {"[tab] ", kNotAToken}, {"[enter]x", kNotAToken}, {"x[enter]", kNotAToken}, {"", kNotAToken},
      {"[", kNotAToken}, {"[]", kNotAToken}, {"[nothing]", kNotAToken}, {"[tab", kNotAToken},
      {"[F0]", kNotAToken}, {"[F25]", kNotAToken}, {"[F01]", kNotAToken}, {"[\"a]", kNotAToken},
      // A prefixed form only needs its marker and the closing bracket;
      // numbers are read like atoi; a negative wait waits nothing.
      {"[!500] [enter]", "sleep 500"}, {"[!abc]", "sleep 0"}, {"[! 25ms]", "sleep 25"}, {"[!-5]", "sleep 0"},
      {"[!99999999999]", "sleep 2147483647"}, {"[#321]", "down 41, up 41"}, {"[#-1]", "down ff, up ff"},
      {"[#0x41]", "down 00, up 00"}, {"[;any text]", ""}, {"[^]", "clipboard \"\""}, {"[^a^b]", "clipboard \"ab\""},
      {"[^[x]]", "clipboard \"x\""}, {"[^line 1\r\nline 2]", "clipboard \"line 1\\x0d\\x0aline 2\""},
      // One character, typed with Shift as needed; a line feed is Enter;
      // nothing left after stripping is the character 0, which has no key.
      {"['A']", "down 10, down 41, up 41, up 10"}, {"['abc']", "down 41, up 41"}, {"['\n']", "down 0d, up 0d"},
      {"['\r']", ""}, {"['']", "down ff, up ff"}, {"[''']", "down ff, up ff"},
      // Quoted text: characters and embedded tokens; a "[" that starts no
      // token before the closing quote is typed; line breaks are skipped.
      {"[\"\"]", ""}, {"[\"]", ""}, {"[\"[o\"]", "down db, up db, down 4f, up 4f"},
      {"[\"H[enter]o\"]", "down 10, down 48, up 48, up 10, down 0d, up 0d, down 4f, up 4f"},
      {"[\"[xy]\"]", "down db, up db, down 58, up 58, down 59, up 59, down dd, up dd"},
      {"[\"[x[tab]\"]", "down db, up db, down 58, up 58, down 09, up 09"},
      {"[\"a\r\nb\"]", "down 41, up 41, down 42, up 42"},
      // The Shift release of a shifted character also ends a held Shift.
      {"[\"[shift]Ab\"]", "down 10, down 10, down 41, up 41, up 10, down 42, up 42"},
  };
  for (const auto& row : rows) EXPECT_EQ(Run(row.text), row.effects) << row.text;
}

// Each failure is shown, the token still counts, and the clipboard keeps or
// loses its earlier text.
TEST_F(TokenTest, EveryClipboardFailureIsShown) {
  const struct {
    ClipboardStep step;
    std::string effects;
    std::optional<std::string> clipboard;
  } rows[] = {
      {ClipboardStep::alloc, "message \"Error allocating memory with GlobalAlloc()\" 0", "before"},
      {ClipboardStep::lock, "message \"Error using GlobalLock() --NULL SubMenu Item definition.\" 0", "before"},
      {ClipboardStep::unlock, "message \"Error using GlobalUnlock()\" 0, message \"Last Error = 158\" 0", "before"},
      {ClipboardStep::open, "message \"Error opening clipboard\" 0", "before"},
      {ClipboardStep::empty, "message \"Error emptying clipboard\" 0", "before"},
      {ClipboardStep::set, "message \"Error setting clipboard data\" 0", std::nullopt},
      {ClipboardStep::close, "clipboard \"new\", message \"Error closing clipboard\" 0", "new"},
  };
  for (const auto& row : rows) {
    rec.ClipboardPort().SetContents("before");
    rec.ClipboardPort().FailNext(row.step);
    EXPECT_EQ(Run("[^new]"), row.effects);
    EXPECT_EQ(rec.ClipboardPort().Text(), row.clipboard);
  }
}

// Each row runs in turn, the prompt state going from one to the next. A
// prompt brings the view forward for the box and gives the foreground
// back; a default serves one prompt only; [multi] and [single] choose the
// box; a variable types every character, Enter for a line break.
TEST_F(TokenTest, PromptsAskForAVariableAndTypeItBack) {
  rec.PromptBoxPort().SetForegroundWindow(9);
  rec.PromptBoxPort().QueueAnswer({DataEntryAnswer::Kind::ok, ""});
  rec.PromptBoxPort().QueueAnswer({DataEntryAnswer::Kind::cancel, ""});
  Answer("a[b]'c\r\nD");
  Answer("z");
  log.Take();
  const std::pair<const char*, std::string> steps[] = {
      {"[*John]", ""},  // OK without editing gives the default
      {"[&1Name?]", "foreground 7, prompt 1 \"Name?\" default \"John\" single, foreground 9"},
      {"[%1]", "down 10, down 4a, up 4a, up 10, down 4f, up 4f, down 48, up 48, down 4e, up 4e"},
      {"[*NODEFAULT]", ""},  // the sentinel is no default; Cancel empties the variable
      {"[&1Who]", "foreground 7, prompt 1 \"Who\" single, foreground 9"}, {"[%1]", ""},
      {"[multi]", ""}, {"[&0x]", "foreground 7, prompt 0 \"x\" multi, foreground 9"},
      {"[%x]", "down 41, up 41, down db, up db, down 42, up 42, down dd, up dd, down de, up de, down 43, up 43, "
               "down 0d, up 0d, down 10, down 44, up 44, up 10"},  // a non-digit is variable 0
      {"[Single]", ""}, {"[*John]", ""},
      {"[\"[&3Name][%3]\"]",
       "foreground 7, prompt 3 \"Name\" default \"John\" single, foreground 9, down 5a, up 5a"},
      // Without a digit: variable 0, and the first character still goes.
      {"[&Name]", "foreground 7, prompt 0 \"ame\" single, foreground 9"},
      {"[&]", "foreground 7, prompt 0 \"\" single, foreground 9"},
      // "=" takes the default, or the sentinel, without a box.
      {"[*abc]", ""}, {"[&2=]", "foreground 7, foreground 9"}, {"[&2=]", "foreground 7, foreground 9"},
  };
  for (const auto& [text, effects] : steps) EXPECT_EQ(Run(text), effects) << text;
  EXPECT_EQ(playback.PromptState().Variable(2), "NODEFAULT") << "the second time, with the default used up";
}

TEST(KeyStrokesTest, ShiftFollowsTheFixedSetNotTheLayout) {
  const std::string shifted = "!\"#$%&()*+:<>?@^_{|}~ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (int c = 0x20; c < 0x100; ++c) {
    // The layout asks for Shift on every one; only the set decides.
    const bool expect = c < 0x7F && shifted.find(static_cast<char>(c)) != std::string::npos;
    EXPECT_EQ(CharacterKeyStrokes(static_cast<char>(c), Guard::byKey, 0x141).size(), expect ? 4u : 2u) << c;
  }
}

// Another program may read the whole block: nothing stale may follow the
// text, also where the system gave more than was asked for.
TEST(ClipboardBlockTest, HoldsTheTextWithLineBreaksAndZerosAfterIt) {
  for (const std::string& text : {std::string("line 1\r\nline 2"), std::string()}) {
    const std::size_t size = ClipboardBlockSize(text) + 6;
    std::string block(size, '\xCD');
    FillClipboardBlock(block.data(), size, text);
    EXPECT_EQ(block, text + std::string(size - text.size(), '\0'));
    EXPECT_GT(ClipboardBlockSize(text), text.size());
  }
}

TEST(DataEntryModelTest, TheBoxOffersTheDefaultAndOkGivesTheTextThatChangedLast) {
  EXPECT_FALSE(DataEntryModel({1, true, "Name?", "NODEFAULT"}).DefaultText()) << "the sentinel alone means none";
  for (const char* other : {"nodefault", ""}) EXPECT_EQ(DataEntryModel({1, true, "Name?", other}).DefaultText(), other);
  DataEntryModel model({1, true, "Name?", ""});
  // OK (1) gives the text, Cancel (0) nothing.
  const auto result = [&](bool ok) { return std::to_string(model.Result(ok).ok) + model.Result(ok).strValue; };
  model.OnChangeSingleLine("typed");
  model.OnChangeMultiLine("first\r\nsecond");
  EXPECT_EQ(result(true) + " " + result(false), "1first\r\nsecond 0");
  model.OnChangeSingleLine("");
  EXPECT_EQ(result(true), "1");
}

}  // namespace
