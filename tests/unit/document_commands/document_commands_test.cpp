// The document commands: the save-changes question, New, opening a file
// (File > Open, the recent files, the command line and the tray menu's own
// Open), Save, Save As, what a failed save leaves behind, and ending the
// program.

#include <tuple>

#include "document_fixture.h"

namespace {

const std::string kTwo = "C:\\Work\\two.zvk";
const Bytes kTwoBytes = kExampleDocument.FileBytes();
const Bytes kVersion2 = DocumentBuilder().SubMenu("A").FileBytes(2);
constexpr unsigned kQuestion = MB::kYesNoCancel | MB::kIconExclamation;

struct DocumentCommandsTest : DocumentCommandsOver<FakeFileSystem> {
  DocumentCommandsTest() { fs.files[kTwo] = kTwoBytes; }
};

TEST_F(DocumentCommandsTest, TheQuestionNamesTheFileTitleThenTheTitleThenUntitled) {
  EditDocument();
  messages.answers = {MB::kIdNo, MB::kIdCancel, MB::kIdNo};
  doc.SetTitle("Draft");
  EXPECT_TRUE(commands.SaveModified());
  doc.SetTitle("");
  EXPECT_FALSE(commands.SaveModified());
  doc.SetPathNameOnly("C:\\Work\\my macros.zvk");
  EXPECT_TRUE(commands.SaveModified());
  EXPECT_THAT(messages.Take(), ElementsAre(ShownMessage{"Save changes to Draft?", kQuestion},
                                           ShownMessage{"Save changes to Untitled?", kQuestion},
                                           ShownMessage{"Save changes to my macros?", kQuestion}));
}

// Cancel and a save that fails (reported) stop New; Yes saves first.
TEST_F(DocumentCommandsTest, NewAsksFirstAndOnlyAGoAheadEmptiesTheDocument) {
  ASSERT_TRUE(commands.OpenDocumentFile(kTwo));
  EditDocument("Kept");
  view_updates = 0;
  messages.answers = {MB::kIdCancel, MB::kIdYes};
  EXPECT_FALSE(commands.OnFileNew());
  fs.FailNext(FakeFileSystem::Step::write, CFileException::diskFull);
  EXPECT_FALSE(commands.OnFileNew());
  EXPECT_EQ(State() + " " + std::to_string(view_updates),
            "two C:\\Work\\two.zvk 1Kepthello there modified 0");

  messages.answers = {MB::kIdYes};
  EXPECT_TRUE(commands.OnFileNew());
  EXPECT_EQ(State() + " " + std::to_string(view_updates), std::string(kEmptyUntitled) + " 1");
}

TEST_F(DocumentCommandsTest, OpenThroughTheDialogLoadsAndNamesTheDocument) {
  dialogs.answers = {std::nullopt, std::string("two.zvk")};
  EXPECT_FALSE(commands.OnFileOpen());
  EXPECT_TRUE(commands.OnFileOpen());
  const FileDialogRequest& request = dialogs.requests.back();
  EXPECT_EQ(request.filters.at(0),
            std::make_pair(std::string("Zorvakomat Files (*.zvk)"), std::string("*.zvk")));
  EXPECT_EQ(State() + std::to_string(view_updates), "two C:\\Work\\two.zvk 2TopLevel[enter]1");
  EXPECT_TRUE(messages.shown.empty()) << "Cancel ends the command without a word";
  EXPECT_EQ(fs.open_files, 0);
}

// File > Open and the tray's Open of a file that cannot be read: whatever
// fails, wherever the file ends, the document keeps its content (every
// slot), path, title and modified flag, after the messages the user must
// see. An empty file is an empty document to File > Open, a file ending too
// early to the tray.
TEST_F(DocumentCommandsTest, AFileThatCannotBeReadLeavesTheDocumentAsItWas) {
  const std::string f = "C:\\Work\\f.zvk";
  const std::string pastTheEnd = "An attempt was made to access an unnamed file past its end.";
  const std::string cut = "Unexpected file format.";
  // What, the file's bytes (none: no such file), what File > Open tells (with
  // the exclamation mark) and what the tray's Open tells (with the stop sign),
  // both after the version's own message for a newer file.
  std::vector<std::tuple<std::string, std::optional<Bytes>, std::string, std::string>> cases = {
      {"version 2", kVersion2, "An unknown error occurred while accessing " + f + ".",
       "An unknown error occurred while accessing an unnamed file."},
      {"51 submenus", Int32(1) + Int32(0) + Int32(0) + Int32(51), cut,
       "an unnamed file has a bad format."},
      {"missing", std::nullopt, f + " was not found.", f + " was not found."},
      {"empty", Bytes{}, "", pastTheEnd},
  };
  for (std::size_t n = 1; n < kTwoBytes.size(); ++n)
    cases.push_back({"cut at " + std::to_string(n), Bytes(kTwoBytes.begin(), kTwoBytes.begin() + n),
                     cut, pastTheEnd});
  for (const bool tray : {false, true}) {
    for (const auto& [what, bytes, fileOpenTells, trayTells] : cases) {
      SCOPED_TRACE(what + (tray ? " (tray)" : " (File > Open)"));
      fs.files.erase(f);
      if (bytes) fs.files[f] = *bytes;
      doc.SetPathNameOnly("C:\\t.zvk");
      doc.SetTitle("t");
      EditDocument("E");
      doc.strSubMenuName[1] = "beyond the count";
      const auto before = std::make_unique<MacroData>(doc);
      messages.answers = {MB::kIdNo};
      dialogs.answers = {std::string("f.zvk")};
      tray ? commands.OnTrayFileOpen() : (void)commands.OpenDocumentFile("f.zvk");
      std::vector<ShownMessage> expected = {{"Save changes to t?", kQuestion}};
      if (bytes == kVersion2) expected.push_back({VersionTooNewMessage(), MB::kOk});
      const std::string& failure = tray ? trayTells : fileOpenTells;
      if (!failure.empty())
        expected.push_back({failure, tray ? MB::kIconStop : MB::kIconExclamation});
      EXPECT_EQ(messages.Take(), expected);
      EXPECT_EQ(fs.open_files, 0);
      const bool kept = !failure.empty();
      EXPECT_TRUE(static_cast<const MacroData&>(doc) ==
                  (kept ? *before : *std::make_unique<MacroData>()));
      EXPECT_EQ(State(), kept ? "t C:\\t.zvk 1Ehello there modified" : "f C:\\Work\\f.zvk 0");
    }
  }
  EXPECT_THAT(recent.MenuTexts(fs), ElementsAre("&1 C:\\Work\\f")) << "only the file that opened";
}

TEST_F(DocumentCommandsTest, TheRecentFilesKeepTheLastFourAndLoseWhatDoesNotOpen) {
  for (const char* name : {"a", "b", "c", "d", "e"}) {
    fs.files[std::string("C:\\Work\\") + name + ".zvk"] = kTwoBytes;
    ASSERT_TRUE(commands.OpenDocumentFile(std::string(name) + ".zvk"));
  }
  // Opening an entry again moves it to the top without a second copy,
  // however its name is spelled.
  ASSERT_TRUE(commands.OnOpenRecentFile(2));
  recent.Add("c:\\work\\E.ZVK");
  EXPECT_THAT(recent.MenuTexts(fs),
              ElementsAre("&1 c:\\work\\E", "&2 C:\\Work\\c", "&3 C:\\Work\\d", "&4 C:\\Work\\b"));
  // An entry that does not open goes, here after Cancel at the question.
  EditDocument();
  messages.answers = {MB::kIdCancel};
  EXPECT_FALSE(commands.OnOpenRecentFile(2));
  // Saving in answer to the question puts the document's file on top: the
  // entry chosen (c, whose file has gone), not the one now in its place, is
  // the one removed.
  fs.files.erase("C:\\Work\\c.zvk");
  doc.SetPathNameOnly("C:\\Work\\a.zvk");
  messages.answers = {MB::kIdYes};
  EXPECT_FALSE(commands.OnOpenRecentFile(1));
  EXPECT_THAT(recent.MenuTexts(fs),
              ElementsAre("&1 C:\\Work\\a", "&2 c:\\work\\E", "&3 C:\\Work\\b"));
}

// The first name that is no switch is opened; a switch alone makes a new document.
TEST_F(DocumentCommandsTest, StartUpOpensTheNamedFileOrFails) {
  EXPECT_TRUE(commands.ProcessShellCommand(ParseCommandLine({kTwo})));
  EXPECT_EQ(State(), "two C:\\Work\\two.zvk 2TopLevel[enter]");
  fs.files["C:\\Work\\v2.zvk"] = kVersion2;
  EXPECT_FALSE(commands.ProcessShellCommand(ParseCommandLine({"-x", "v2.zvk", "two.zvk"})));
  EXPECT_TRUE(commands.ProcessShellCommand(ParseCommandLine({"/dde"})));
  EXPECT_EQ(State(), kEmptyUntitled);
}

// The tray's Open asks after the dialog; the file then is the document,
// named after it with its extension, and Save writes the file the caption
// names, never the one opened before. The recent files are left alone.
TEST_F(DocumentCommandsTest,
       TrayOpenAsksThenTheFileReplacesTheDocumentAndSaveWritesTheFileTheCaptionNames) {
  const std::string three = "C:\\Work\\three.zvk";
  fs.files[three] = DocumentBuilder()
                        .SubMenu("S0", {{"a0", "t"}, {"b0", "t"}})
                        .SubMenu("S1")
                        .SubMenu("S2")
                        .FileBytes();
  ASSERT_TRUE(commands.OpenDocumentFile("three.zvk"));
  doc.SetModifiedFlag(true);
  title_changes = 0;
  dialogs.answers = {std::nullopt, std::string("two.zvk"), std::string("two.zvk")};
  messages.answers = {MB::kIdCancel, MB::kIdNo};
  commands.OnTrayFileOpen();  // Cancel in the dialog: no question
  commands.OnTrayFileOpen();
  EXPECT_THAT(messages.Take(), ElementsAre(ShownMessage{"Save changes to three?", kQuestion}));

  commands.OnTrayFileOpen();
  EXPECT_EQ(State() + std::to_string(title_changes), "two.zvk C:\\Work\\two.zvk 2TopLevel[enter]1");
  EXPECT_THAT(recent.MenuTexts(fs), ElementsAre("&1 C:\\Work\\three"));

  EditDocument();
  EXPECT_TRUE(commands.OnFileSave());
  EXPECT_EQ(fs.files[kTwo], StoredBytes(doc));
}

const std::string kOld = "C:\\Work\\old.zvk";

struct SaveTest : DocumentCommandsTest {
  void SetUp() override {
    DocumentCommandsTest::SetUp();
    fs.files[kOld] = DocumentBuilder().SubMenu("Old", NumberedItems(2)).FileBytes();
    ASSERT_TRUE(commands.OpenDocumentFile(kOld));
    EditDocument();
  }
};

TEST_F(SaveTest, SaveReplacesTheFileAndSaveAsTakesTheNewName) {
  recent.Add("C:\\Work\\other.zvk");
  EXPECT_TRUE(commands.OnFileSave());

  EditDocument("Again");
  dialogs.answers = {std::nullopt, std::string("new.zvk")};
  EXPECT_FALSE(commands.OnFileSaveAs());
  EXPECT_TRUE(doc.IsModified()) << "cancelled";
  EXPECT_TRUE(commands.OnFileSaveAs());
  EXPECT_EQ(dialogs.requests.back().initial_file_name, kOld);
  // Choosing an existing file asks before it is overwritten.
  EXPECT_TRUE(dialogs.requests.back().flags & OFN::kOverwritePrompt);
  EXPECT_EQ(fs.files["C:\\Work\\new.zvk"], StoredBytes(doc));
  EXPECT_EQ(State(), "new C:\\Work\\new.zvk 1Againhello there");
  EXPECT_THAT(recent.MenuTexts(fs),
              ElementsAre("&1 C:\\Work\\new", "&2 C:\\Work\\old", "&3 C:\\Work\\other"));

  // An untitled document's Save asks for a name, proposing the title.
  ASSERT_TRUE(commands.OnFileNew());
  EditDocument();
  dialogs.answers = {std::string("C:\\Work\\fresh.zvk")};
  EXPECT_TRUE(commands.OnFileSave());
  EXPECT_EQ(dialogs.requests.back().initial_file_name, "Untitled.zvk");
}

// Whichever step of a save over a file fails, the old file stays byte for
// byte as it was, the document stays modified under its old name, and no
// temporary file is left.
TEST_F(SaveTest, AFailedSaveLeavesThePreviousFileAsItWas) {
  using Step = FakeFileSystem::Step;
  const std::tuple<Step, int, const char*> failures[] = {
      {Step::tempFile, CFileException::accessDenied,
       "C:\\Work\\old.zvk could not be saved because no temporary file can be created in the "
       "folder C:\\Work."},
      {Step::create, CFileException::accessDenied, "Access to C:\\Work\\old.zvk was denied."},
      {Step::write, CFileException::diskFull, "Disk full while accessing C:\\Work\\old.zvk."},
      {Step::flush, CFileException::hardIO,
       "A hardware I/O error was reported while accessing C:\\Work\\old.zvk."},
      {Step::replace, CFileException::sharingViolation,
       "A sharing violation occurred while accessing C:\\Work\\old.zvk."},
  };
  const Bytes before = fs.files[kOld];
  for (const auto& [step, cause, message] : failures) {
    SCOPED_TRACE(message);
    fs.FailNext(step, cause);
    EXPECT_FALSE(commands.OnFileSave());
    EXPECT_EQ(fs.files[kOld], before);
    EXPECT_THAT(messages.Take(), ElementsAre(ShownMessage{message, MB::kIconExclamation}));
    EXPECT_EQ(State(), "old C:\\Work\\old.zvk 1Editedhello there modified");
    for (const auto& [path, bytes] : fs.files)
      EXPECT_EQ(path.find(".tmp"), std::string::npos) << path;
    EXPECT_EQ(fs.open_files, 0);
  }
  // Save As to a new name whose write fails removes the incomplete file;
  // Save to the document's own path, whose file has gone meanwhile, keeps
  // what was written.
  dialogs.answers = {std::string("C:\\Work\\new.zvk")};
  fs.FailNext(Step::write, CFileException::diskFull);
  EXPECT_FALSE(commands.OnFileSaveAs());
  EXPECT_EQ(fs.files.count("C:\\Work\\new.zvk"), 0u);
  EXPECT_EQ(recent[0], kOld);
  fs.files.erase(kOld);
  fs.FailNext(Step::close, CFileException::diskFull);
  EXPECT_FALSE(commands.OnFileSave());
  EXPECT_EQ(fs.files.count(kOld), 1u);
}

// Ending the program (the main window closed, the session ending): not
// while a modal window is open, and otherwise as the question says (Yes
// saving first).
TEST_F(SaveTest, TheProgramEndsOnlyWithNoWindowOpenAndTheQuestionAnswered) {
  using EndAnswer = DocumentCommands::EndAnswer;
  {
    const ModalWindowScope dialog;
    EXPECT_EQ(commands.QueryEnd(), EndAnswer::showModalWindow);
  }
  messages.answers = {MB::kIdCancel, MB::kIdYes};
  EXPECT_EQ(commands.QueryEnd(), EndAnswer::keepRunning);
  EXPECT_EQ(commands.QueryEnd(), EndAnswer::end);
  EXPECT_EQ(fs.files[kOld], StoredBytes(doc));
}

}  // namespace
