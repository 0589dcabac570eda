// The save-changes question, New, and the common open used by File > Open,
// the recent files and the command line.

#include "document_fixture.h"

namespace {

using ::testing::ElementsAre;

const std::string kTwo = "C:\\Work\\two.zvk";
const Bytes kTwoBytes = MacroFile({{"TopLevel", {"Enter", "Tab"}}, {"Help", {}}});

TEST_F(DocumentCommandsTest, SaveChangesQuestionNamesTheFileTitleThenTheTitleThenUntitled) {
  EXPECT_TRUE(commands.SaveModified());  // not modified: no question
  EditDocument();
  messages.answers = {MB::IdNo, MB::IdCancel, MB::IdNo};
  EXPECT_TRUE(commands.SaveModified());
  doc.SetTitle("");
  EXPECT_FALSE(commands.SaveModified());
  doc.SetPathNameOnly("C:\\Work\\my macros.zvk");
  EXPECT_TRUE(commands.SaveModified());

  EXPECT_THAT(messages.Texts(),
              ElementsAre("Save changes to Untitled?", "Save changes to Untitled?", "Save changes to my macros?"));
  EXPECT_EQ(messages.shown[0].type, MB::YesNoCancel | MB::IconExclamation);
  EXPECT_TRUE(fs.files.empty()) << "No and Cancel write nothing";
}

TEST_F(DocumentCommandsTest, NewAsksFirstAndOnlyAGoAheadEmptiesTheDocument) {
  fs.files[kTwo] = kTwoBytes;
  ASSERT_TRUE(commands.OpenDocumentFile(kTwo));
  EditDocument("Kept");
  viewUpdates = 0;
  const auto expectKept = [&] {
    EXPECT_EQ(doc.strSubMenuName[0], "Kept");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "two");
    EXPECT_EQ(viewUpdates, 0);
  };
  messages.answers = {MB::IdCancel};
  EXPECT_FALSE(commands.OnFileNew());
  expectKept();
  // A save that fails is reported and stops New.
  fs.FailNext(FakeFileSystem::Step::write, CFileException::diskFull);
  messages.answers = {MB::IdYes};
  EXPECT_FALSE(commands.OnFileNew());
  EXPECT_EQ(messages.shown.back().text, "Disk full while accessing C:\\Work\\two.zvk.");
  expectKept();

  const Bytes edited = SavedForm();
  messages.answers = {MB::IdYes};
  EXPECT_TRUE(commands.OnFileNew());
  EXPECT_EQ(fs.files[kTwo], edited);
  EXPECT_TRUE(IsEmptyUntitled());
  EXPECT_EQ(doc.strSubMenuItemText[0], "") << "every slot cleared";
  EXPECT_EQ(viewUpdates, 1);

  // Yes on an untitled document asks for a name; cancelling that stops New.
  EditDocument("Kept");
  messages.answers = {MB::IdYes};
  EXPECT_FALSE(commands.OnFileNew());
  EXPECT_TRUE(doc.IsModified());
  messages.answers = {MB::IdNo};
  EXPECT_TRUE(commands.OnFileNew());
  EXPECT_TRUE(IsEmptyUntitled());
}

TEST_F(DocumentCommandsTest, OpenThroughTheDialogLoadsAndNamesTheDocument) {
  fs.files[kTwo] = kTwoBytes;
  dialogs.answers = {std::nullopt, std::string("two.zvk")};
  EXPECT_FALSE(commands.OnFileOpen()) << "Cancel ends the command";
  EXPECT_EQ(doc.nNumSubMenus, 0);

  EXPECT_TRUE(commands.OnFileOpen());
  const FileDialogRequest& request = dialogs.requests.back();
  EXPECT_EQ(request.flags, OFN::FileMustExist | OFN::HideReadOnly);
  EXPECT_EQ(request.filters.at(0), std::make_pair(std::string("Zorvakomat Files (*.zvk)"), std::string("*.zvk")));

  EXPECT_EQ(doc.strSubMenuItemName[1], "Tab");
  EXPECT_EQ(doc.GetPathName(), kTwo) << "the typed name made a full path";
  EXPECT_EQ(doc.GetTitle(), "two");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_THAT(RecentEntries(), ElementsAre(kTwo));
  EXPECT_EQ(viewUpdates, 1);
  EXPECT_TRUE(messages.shown.empty());
}

// A file that opens but cannot be loaded leaves an empty "Untitled"
// document, after the messages the user must see.
TEST_F(DocumentCommandsTest, FailedLoadsReportAndLeaveAnEmptyUntitledDocument) {
  struct Case {
    const char* what;
    Bytes bytes;
    std::vector<std::string> texts;
  };
  Bytes truncated = kTwoBytes;
  truncated.resize(40);
  const std::vector<Case> cases = {
      {"version 2", MacroFile({{"A", {}}}, 2),
       {VersionTooNewMessage(), "An unknown error occurred while accessing C:\\Work\\bad.zvk."}},
      {"truncated", truncated, {"Unexpected file format."}},
      {"eleven bytes", Bytes(11, 0), {"Unexpected file format."}},
      {"51 submenus", Int32(1) + Int32(0) + Int32(0) + Int32(51), {"Unexpected file format."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs.files["C:\\Work\\bad.zvk"] = c.bytes;
    doc.SetPathNameOnly(kTwo);
    EditDocument();
    messages.shown.clear();
    messages.answers = {MB::IdNo};
    EXPECT_FALSE(commands.OpenDocumentFile("bad.zvk"));
    std::vector<std::string> expected = {"Save changes to two?"};
    expected.insert(expected.end(), c.texts.begin(), c.texts.end());
    EXPECT_EQ(messages.Texts(), expected);
    EXPECT_EQ(messages.shown.back().type, MB::IconExclamation);
    EXPECT_TRUE(IsEmptyUntitled());
    EXPECT_EQ(recent.GetSize(), 0);
    EXPECT_EQ(fs.openFiles, 0);
  }
}

TEST_F(DocumentCommandsTest, AnEmptyFileOpensKeepingTheEarlierContentUnderItsName) {
  fs.files["C:\\Work\\empty.zvk"] = {};
  EditDocument();
  messages.answers = {MB::IdNo};
  EXPECT_TRUE(commands.OpenDocumentFile("C:\\Work\\empty.zvk"));
  EXPECT_EQ(messages.shown.size(), 1u) << "only the question";
  EXPECT_EQ(doc.strSubMenuName[0], "Edited");
  EXPECT_EQ(doc.GetTitle(), "empty");
  EXPECT_EQ(doc.GetPathName(), "C:\\Work\\empty.zvk");
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentCommandsTest, AFileThatCannotBeOpenedLeavesTheDocumentAsItWas) {
  fs.files[kTwo] = kTwoBytes;
  ASSERT_TRUE(commands.OpenDocumentFile(kTwo));
  EditDocument();
  messages.answers = {MB::IdNo};
  EXPECT_FALSE(commands.OpenDocumentFile("C:\\Work\\gone.zvk"));
  fs.FailNext(FakeFileSystem::Step::openForReading, CFileException::sharingViolation);
  messages.answers = {MB::IdNo};
  EXPECT_FALSE(commands.OpenDocumentFile(kTwo));
  EXPECT_THAT(messages.Texts(), ElementsAre("Save changes to two?", "C:\\Work\\gone.zvk was not found.",
                                            "Save changes to two?",
                                            "A sharing violation occurred while accessing C:\\Work\\two.zvk."));
  EXPECT_EQ(messages.shown.back().type, MB::IconExclamation);
  EXPECT_EQ(doc.strSubMenuName[0], "Edited");
  EXPECT_EQ(doc.GetTitle(), "two");
  EXPECT_EQ(doc.GetPathName(), kTwo);
  EXPECT_TRUE(doc.IsModified()) << "the remembered flag is restored";
}

TEST_F(DocumentCommandsTest, FiveOpensListTheLastFourMostRecentFirst) {
  OpenEach({"a", "b", "c", "d", "e"}, kTwoBytes);
  EXPECT_THAT(RecentEntries(), ElementsAre("C:\\Work\\e.zvk", "C:\\Work\\d.zvk", "C:\\Work\\c.zvk",
                                           "C:\\Work\\b.zvk"));
  // Opening an entry again moves it to the top without a second copy,
  // however its name is spelled.
  ASSERT_TRUE(commands.OnOpenRecentFile(2));
  recent.Add("c:\\work\\E.ZVK");
  EXPECT_THAT(RecentEntries(), ElementsAre("c:\\work\\E.ZVK", "C:\\Work\\c.zvk", "C:\\Work\\d.zvk",
                                           "C:\\Work\\b.zvk"));
}

TEST_F(DocumentCommandsTest, ARecentEntryThatDoesNotOpenIsRemoved) {
  OpenEach({"a", "b", "c"}, kTwoBytes);
  // Deleted since: "was not found", and the entry goes.
  fs.files.erase("C:\\Work\\b.zvk");
  EXPECT_FALSE(commands.OnOpenRecentFile(1));
  EXPECT_EQ(messages.shown.back().text, "C:\\Work\\b.zvk was not found.");
  EXPECT_THAT(RecentEntries(), ElementsAre("C:\\Work\\c.zvk", "C:\\Work\\a.zvk"));

  // Cancelling the question removes the entry too.
  EditDocument();
  messages.answers = {MB::IdCancel};
  EXPECT_FALSE(commands.OnOpenRecentFile(1));
  EXPECT_THAT(RecentEntries(), ElementsAre("C:\\Work\\c.zvk"));
}

TEST_F(DocumentCommandsTest, SavingInAnswerToTheQuestionDoesNotCostAnotherEntry) {
  OpenEach({"a", "b", "c"}, kTwoBytes);
  // The list is c, b, a. With a open and modified, choose entry 2 (b),
  // whose file has gone: saving a first makes the list a, c, b, and then
  // b, not the entry now in its place, is the one removed.
  fs.files.erase("C:\\Work\\b.zvk");
  doc.SetPathNameOnly("C:\\Work\\a.zvk");
  EditDocument();
  messages.answers = {MB::IdYes};
  EXPECT_FALSE(commands.OnOpenRecentFile(1));
  EXPECT_THAT(RecentEntries(), ElementsAre("C:\\Work\\a.zvk", "C:\\Work\\c.zvk"));
}

TEST_F(DocumentCommandsTest, StartUpOpensTheNamedFileOrFails) {
  fs.files[kTwo] = kTwoBytes;
  EXPECT_TRUE(commands.ProcessShellCommand(ParseCommandLine({kTwo})));
  EXPECT_EQ(doc.nNumSubMenus, 2);
  EXPECT_EQ(doc.GetTitle(), "two");
  EXPECT_TRUE(messages.shown.empty()) << "no question at start-up";

  EXPECT_FALSE(commands.ProcessShellCommand(ParseCommandLine({"C:\\Work\\gone.zvk"})));
  EXPECT_THAT(messages.Texts(), ElementsAre("C:\\Work\\gone.zvk was not found."));

  fs.files["C:\\Work\\v2.zvk"] = MacroFile({}, 2);
  messages.shown.clear();
  EXPECT_FALSE(commands.ProcessShellCommand(ParseCommandLine({"-x", "v2.zvk", "two.zvk"})));
  EXPECT_THAT(messages.Texts(), ElementsAre(VersionTooNewMessage(),
                                            "An unknown error occurred while accessing C:\\Work\\v2.zvk."));

  EXPECT_TRUE(commands.ProcessShellCommand(ParseCommandLine({"/dde"})));
  EXPECT_TRUE(IsEmptyUntitled());
}

}  // namespace
