// Playback: the tokens, the clipboard's failures, the prompts and what lies
// below them; running a pick and its chain, and stopping it with Escape.
#include <algorithm>
#include <optional>
#include <tuple>

#include "playback/clipboard_block.h"
#include "playback/data_entry_model.h"
#include "playback/restore_clipboard_setting.h"
#include "playback/sliced_wait.h"
#include "recording_fixture.h"
#include "support/playback_probe.h"
#include "support/scripted_ports.h"

namespace {

TEST_F(PlaybackTest, EachFormDoesWhatItSaysAndAnythingElseIsNoToken) {
  const std::pair<const char*, std::string> rows[] = {
      // The whole text must be one token, in any letter case.
      {"[TAB]", "down 09, up 09"},
      {"[page_down]", "down 22, up 22"},
      {"[f24]", "down 87, up 87"},
      {"[ctrl]", "down 11"},
      {"[paste]", "down 56, up 56"},  // the Ctrl the macro holds is not pressed again
      {"[Shift_Up]", "up 10"},
      // A prefixed form only needs its marker and the closing bracket;
      // numbers are read like atoi; a negative wait waits nothing.
      {"[!500] [enter]", "sleep 500"},
      {"[!abc]", "sleep 0"},
      {"[! 25ms]", "sleep 25"},
      {"[!-5]", "sleep 0"},
      {"[!99999999999]", "sleep 2147483647"},
      {"[#321]", "down 41, up 41"},
      {"[#-1]", "down ff, up ff"},
      {"[#0x41]", "down 00, up 00"},
      {"[;any text]", ""},
      {"[^]", "clipboard \"\""},
      {"[^a^b]", "clipboard \"ab\""},
      {"[^[x]]", "clipboard \"x\""},
      {"[^line 1\r\nline 2]", "clipboard \"line 1\\x0d\\x0aline 2\""},
      // One character, typed with Shift as needed; a line feed is Enter;
      // nothing left after stripping is the character 0, which types
      // nothing.
      {"['A']", "down 10, down 41, up 41, up 10"},
      {"['abc']", "down 41, up 41"},
      {"['\n']", "down 0d, up 0d"},
      {"['\r']", ""},
      {"['']", ""},
      {"[''']", ""},
      // Quoted text: characters and embedded tokens; a "[" that starts no
      // token before the closing quote is typed; line breaks are skipped.
      {"[\"\"]", ""},
      {"[\"]", ""},
      {"[\"[o\"]", "down db, up db, down 4f, up 4f"},
      {"[\"[x[tab]\"]", "down db, up db, down 58, up 58, down 09, up 09"},
      {"[\"a\r\nb\"]", "down 41, up 41, down 42, up 42"},
  };
  for (const auto& [text, effects] : rows) EXPECT_EQ(Run(text), effects) << text;
  for (const char* text : {"[tab] ", "[enter]x", "x[enter]", "", "[", "[]", "[nothing]", "[tab",
                           "[F0]", "[F25]", "[F01]", "[\"a]"})
    EXPECT_EQ(Run(text), kNotAToken) << text;
}

// Each failure is shown, the token still counts, and the clipboard keeps or
// loses its earlier text (opening and setting it: in the paste's table).
TEST_F(PlaybackTest, EveryClipboardFailureIsShown) {
  const std::tuple<ClipboardStep, std::string, std::optional<std::string>> rows[] = {
      {ClipboardStep::alloc, "message \"Error allocating memory with GlobalAlloc()\" 0", "before"},
      {ClipboardStep::lock,
       "message \"Error using GlobalLock() --NULL SubMenu Item definition.\" 0", "before"},
      {ClipboardStep::unlock,
       "message \"Error using GlobalUnlock()\" 0, message \"Last Error = 158\" 0", "before"},
      {ClipboardStep::empty, "message \"Error emptying clipboard\" 0", "before"},
      {ClipboardStep::close, "clipboard \"new\", message \"Error closing clipboard\" 0", "new"},
  };
  for (const auto& [step, effects, clipboard] : rows) {
    PlaybackProbe::SetContents(rec.ClipboardPort(), "before");
    PlaybackProbe::FailNext(rec.ClipboardPort(), step);
    EXPECT_EQ(Run("[^new]"), effects);
    EXPECT_EQ(rec.ClipboardPort().Text(), clipboard);
  }
}

// A paste keeps what the clipboard held and gives it back after the paste
// keys and their wait: what the user had (nothing included) is back, unless
// another program changed the clipboard meanwhile; a failure to keep leaves
// the pasted text, as it always was; a failure to give back is told. A
// failed put that left the clipboard as it was gives nothing back.
TEST_F(PlaybackTest, APasteGivesTheClipboardBackUnlessAnotherProgramChangedItMeanwhile) {
  const std::string keys = "down 11, down 56, up 56, up 11, sleep 250";
  const std::string paste = "clipboard \"new\", " + keys, back = ", clipboard \"keep me\"";
  RecordingClipboard& clipboard = rec.ClipboardPort();
  const auto in_wait = [this](std::function<void()> act) {
    log.on_line = [act](std::string_view line) {
      if (line == "sleep 250") act();
    };
  };
  using Arrange = std::function<void()>;
  const std::tuple<std::optional<std::string>, Arrange, std::string, std::optional<std::string>>
      rows[] = {
          {"keep me", [] {}, paste + back, "keep me"},
          {std::nullopt, [] {}, paste + ", clipboard \"\"", std::nullopt},
          {"keep me",
           [&] { in_wait([&] { PlaybackProbe::ChangeElsewhere(clipboard, "theirs"); }); }, paste,
           "theirs"},
          {"keep me", [&] { in_wait([&] { playback.Control().OnKey(kVkEscape, true, false); }); },
           paste + back, "keep me"},
          {"keep me", [&] { PlaybackProbe::FailKeep(clipboard); }, paste, "new"},
          {"keep me", [&] { PlaybackProbe::FailGiveBack(clipboard); },
           paste + ", message \"Zorvakomat could not put back what the clipboard held before the "
                   "paste.\" 0",
           "new"},
          {"keep me", [&] { PlaybackProbe::FailNext(clipboard, ClipboardStep::open); },
           "message \"Error opening clipboard\" 0, " + keys, "keep me"},
          {"keep me", [&] { PlaybackProbe::FailNext(clipboard, ClipboardStep::set); },
           "message \"Error setting clipboard data\" 0, " + keys + back, "keep me"},
      };
  playback.SetGiveBackClipboard(true);
  for (const auto& [before, arrange, effects, after] : rows) {
    playback.Control().BeginRun();
    log.on_line = nullptr;
    PlaybackProbe::SetContents(clipboard, before);
    arrange();
    playback.RunText("new");
    EXPECT_EQ(log.Take(), effects);
    EXPECT_EQ(clipboard.Text(), after) << effects;
  }
  // The [^text] token puts its text there to stay; with the setting off a
  // paste leaves its text too.
  playback.Control().BeginRun();
  log.on_line = nullptr;
  EXPECT_EQ(Run("[^new]"), "clipboard \"new\"");
  playback.SetGiveBackClipboard(false);
  playback.RunText("newer");
  EXPECT_EQ(log.Take(), "clipboard \"newer\", " + keys);
  EXPECT_EQ(clipboard.Text(), "newer");
}

TEST(RestoreClipboardSettingTest, OnUnlessTurnedOffAndAValueNotUsedIsTold) {
  MemoryProfile settings;
  const auto read = [&](const char* value) {
    if (value != nullptr) settings.values[{"Settings", "RestoreClipboard"}] = value;
    const RestoreClipboardSetting setting = ReadRestoreClipboard(settings);
    return (setting.on ? "on" : "off") + setting.problem;
  };
  for (const char* on : {static_cast<const char*>(nullptr), "", "1", "ON", "yes"})
    EXPECT_EQ(read(on), "on") << (on ? on : "missing");
  for (const char* off : {"0", "Off", "NO", "false"}) EXPECT_EQ(read(off), "off") << off;
  EXPECT_EQ(read("2"),
            "onThe RestoreClipboard setting \"2\" is not used: it is 1 (on) or 0 (off). The "
            "clipboard is given back after every paste until the setting is corrected.");
}

// Each row runs in turn, the prompt state going from one to the next. A
// prompt brings the view forward for the box and gives the foreground
// back; a default serves one prompt only; [multi] and [single] choose the
// box; a variable types every character, Enter for a line break.
TEST_F(PlaybackTest, PromptsAskForAVariableAndTypeItBack) {
  rec.PromptBoxPort().SetForegroundWindow(9);
  rec.PromptBoxPort().QueueAnswer({DataEntryAnswer::Kind::ok, ""});
  Answer("a[b]'c\r\nD");
  log.Take();
  const std::pair<const char*, std::string> steps[] = {
      {"[*John]", ""},  // OK without editing gives the default
      {"[&1Name?]", "foreground 7, prompt 1 \"Name?\" default \"John\" single, foreground 9"},
      {"[multi]", ""},
      {"[&0x]", "foreground 7, prompt 0 \"x\" multi, foreground 9"},
      {"[%x]",
       "down 41, up 41, down db, up db, down 42, up 42, down dd, up dd, down de, up de, down 43, "
       "up 43, "
       "down 0d, up 0d, down 10, down 44, up 44, up 10"},  // a non-digit is variable 0
      {"[*NODEFAULT]", ""},  // the sentinel is no default; a cancelled box empties the variable
      {"[&1Who]", "foreground 7, prompt 1 \"Who\" multi, foreground 9"},
      {"[%1]", ""},
      {"[Single]", ""},
      {"[*John]", ""},
      {"[&3Name]", "foreground 7, prompt 3 \"Name\" default \"John\" single, foreground 9"},
      // Nothing after the marker: variable 0 and no prompt text.
      {"[&]", "foreground 7, prompt 0 \"\" single, foreground 9"},
      // "=" takes the default, or the sentinel, without a box.
      {"[*abc]", ""},
      {"[&2=]", "foreground 7, foreground 9"},
      {"[&2=]", "foreground 7, foreground 9"},
  };
  for (const auto& [text, effects] : steps) EXPECT_EQ(Run(text), effects) << text;
  EXPECT_EQ(PlaybackProbe::Variable(playback, 2), "NODEFAULT")
      << "the second time, with the default used up";
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
  EXPECT_FALSE(DataEntryModel({1, true, "Name?", "NODEFAULT"}).DefaultText())
      << "the sentinel alone means none";
  for (const char* other : {"nodefault", ""})
    EXPECT_EQ(DataEntryModel({1, true, "Name?", other}).DefaultText(), other);
  DataEntryModel model({1, true, "Name?", ""});
  const auto result = [&](bool ok) {
    return std::to_string(model.Result(ok).ok) + model.Result(ok).strValue;
  };
  model.OnChangeSingleLine("typed");
  model.OnChangeMultiLine("first\r\nsecond");
  EXPECT_EQ(result(true) + " " + result(false), "1first\r\nsecond 0");
  model.OnChangeSingleLine("");
  EXPECT_EQ(result(true), "1");
}

constexpr const char* kPaste = "down 11, down 56, up 56, up 11, sleep 250";
const std::string kBad =
    "message \"Internal Application Error: PasteToClipboard(int, int) nWhichSubMenu";
const std::string kBadSubMenu = kBad + " > pDoc->nNumSubMenus\" 48";
const std::string kBadItem = kBad + "Item > pDoc->nNumSubMenuItems[nWhichSubMenu]\" 48";

// Only the flag of the item just run counts (any nonzero value); the row of
// 50 slots ends a chain. Past the last item the chain runs the blank slot
// (its empty text is pasted); past the count the paste shows the internal
// error and Ctrl+V is still sent.
TEST_F(PlaybackTest, ChainsFollowTheFlagOfTheItemJustRunToTheEndOfTheRowAndPastTheLastItem) {
  const int chains[] = {1, 7, 0, 1};
  for (int j = 0; j < 4; ++j) SetItem(2, j, "[;]", chains[j]);
  EXPECT_EQ(RunPick(2, 1), "sleep 500, run 2 1, recognised, run 2 2, recognised");
  for (int j = 0; j < kMaxItems; ++j) SetItem(3, j, "[;]", 1);
  EXPECT_EQ(RunPick(3, 48), "sleep 500, run 3 48, recognised, run 3 49, recognised");
  EXPECT_EQ(RunPick(50, 0) + RunPick(0, -1), "") << "a pick outside the capacity runs nothing";

  doc->bChainToNext[ItemSlot(2, 4)] = 1;  // a leftover flag on the blank slot
  doc->strSubMenuItemText[ItemSlot(2, 5)] = "leftover";
  EXPECT_EQ(RunPick(2, 3),
            std::string("sleep 500, run 2 3, recognised, run 2 4, clipboard \"\", ") + kPaste +
                ", pasted, run 2 5, " + kBadItem + ", " + kPaste + ", pasted");

  // The checks of PasteToClipboard are strict (the slot equal to the count
  // is pasted) and stay within the capacity.
  for (const auto& [s, j] : std::vector<std::pair<int, int>>{{2, 4}, {4, 0}, {5, 0}})
    playback.PasteToClipboard(s, j);
  EXPECT_EQ(log.Take(), "clipboard \"\", clipboard \"\", " + kBadSubMenu);
  doc->nNumSubMenus = doc->nNumSubMenuItems[49] = 50;
  for (const auto& [s, j] : std::vector<std::pair<int, int>>{{50, 0}, {49, 50}})
    playback.PasteToClipboard(s, j);
  EXPECT_EQ(log.Take(), kBadSubMenu + ", " + kBadItem);
}

// A pick is run once, even where the focus moves again during the run (the
// data entry box closing); each run keeps the default but starts with the
// single-line box.
TEST_F(PlaybackTest, APickRunsOnceAndKeepsTheDefaultButNotTheStyle) {
  SetChain(0, {"[&1Name]", "[*carry]"});
  log.on_line = [&](std::string_view line) {
    if (line.starts_with("prompt")) playback.OnKillFocus();
  };
  RunPick(0, 0);
  Run("[multi]");
  EXPECT_EQ(RunPick(0, 0),
            "sleep 500, run 0 0, foreground 7, prompt 1 \"Name\" default \"carry\" single, "
            "foreground 0, recognised, run 0 1, recognised");
}

TEST_F(PlaybackTest, TheUsersEscapeEndsTheRunAfterTheCharacterUnderWayAndReleasesTheHeldKeys) {
  RunControl& control = playback.Control();
  const auto escape_at = [&](const std::string& at) {
    log.on_line = [&control, at](std::string_view line) {
      if (line == at) control.OnKey(kVkEscape, true, false);
    };
  };
  SetChain(0, {"[CTRL]", "[\"[alt]abc\"]", "[enter]"});
  escape_at("down 42");
  EXPECT_EQ(RunPick(0, 0),
            "sleep 500, run 0 0, down 11, recognised, run 0 1, down 12, down 41, up 41, down 42, "
            "up 42, recognised, released 11, released 12");
  // The next run starts afresh, and holds no key any more.
  escape_at("down 0d");
  EXPECT_EQ(RunPick(0, 2), "sleep 500, run 0 2, down 0d, up 0d, recognised");
  // In a wait: the run ends there; in the wait before the pick nothing runs.
  SetChain(1, {"[!60000]", "pasted text"});
  escape_at("sleep 60000");
  EXPECT_EQ(RunPick(1, 0), "sleep 500, run 1 0, sleep 60000, recognised");
  escape_at("sleep 500");
  EXPECT_EQ(RunPick(1, 1), "sleep 500");

  // Only the user's Escape pressed during a run counts, and not in a box.
  SetChain(2, {"[\"a[escape]b\"]", "[&1Name?]", "[%1]"});
  Answer("q");
  log.on_line = [&](std::string_view line) {
    if (line == "down 1b")
      control.OnKey(kVkEscape, true, true);  // playback's own comes back as sent by a program
    if (line.starts_with("prompt"))
      control.OnKey(kVkEscape, true, false);  // in the box it answers the box
    control.OnKey(kVkEscape, false, false);
    control.OnKey('A', true, false);
  };
  EXPECT_EQ(RunPick(2, 0),
            "sleep 500, run 2 0, down 41, up 41, down 1b, up 1b, down 42, up 42, recognised, "
            "run 2 1, foreground 7, prompt 1 \"Name?\" single, foreground 0, recognised, "
            "run 2 2, down 51, up 51, recognised");
}

// Into a window whose process runs with more rights a pick types nothing
// and says why; with the same or fewer rights, or rights not known, it types.
TEST_F(PlaybackTest, APickIntoAWindowWithMoreRightsTypesNothingAndSaysWhy) {
  SetChain(0, {"[shift]", "[\"a\"]"});
  const std::string refused =
      "sleep 500, message \"" + std::string(kElevatedTargetMessage) + "\" 48";
  const std::string typed =
      "sleep 500, run 0 0, down 10, recognised, run 0 1, down 41, up 41, recognised, released 10";
  const std::pair<IntegrityLevels, std::string> rows[] = {
      {{0x2000, 0x3000, false}, refused},     {{0x2000, std::nullopt, true}, refused},
      {{0x3000, 0x2000, false}, typed},       {{0x2000, 0x2000, false}, typed},
      {{std::nullopt, 0x3000, false}, typed},
  };
  for (const auto& [levels, effects] : rows) {
    rec.PromptBoxPort().levels = levels;
    EXPECT_EQ(RunPick(0, 0), effects) << levels.target.value_or(0);
  }
}

// Slices come out a little long or short; the tenth ends with the user's
// Escape, which stops the wait only during a run.
struct UnevenTimer : SliceTimer {
  std::uint64_t now = 0;
  std::vector<std::uint32_t> slices;
  RunControl control;
  std::uint64_t NowMs() override { return now; }
  void SleepSlice(std::uint32_t milliseconds) override {
    slices.push_back(milliseconds);
    now += milliseconds + (slices.size() % 3 == 0 ? 7 : 0) - (slices.size() % 4 == 0 ? 5 : 0);
    if (slices.size() == 10) control.OnKey(kVkEscape, true, false);
  }
};

TEST(SlicedWaitTest, AWaitKeepsItsLengthInShortSlicesAndAStopEndsItAfterItsSlice) {
  UnevenTimer timer;
  WaitInSlices(timer, 1234, timer.control);
  EXPECT_TRUE(timer.now >= 1234 && timer.now < 1234 + kWaitSlice) << timer.now;
  EXPECT_TRUE(std::all_of(timer.slices.begin(), timer.slices.end(),
                          [](auto s) { return s > 0 && s <= kWaitSlice; }));
  timer.slices.clear();
  timer.control.BeginRun();
  WaitInSlices(timer, 60000, timer.control);
  EXPECT_EQ(timer.slices.size(), 10u);
}

}  // namespace
