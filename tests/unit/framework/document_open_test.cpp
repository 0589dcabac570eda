// The save-changes question, New, and the common open used by File > Open,
// the recent files and the command line.

#include "document_fixture.h"

namespace {

using ::testing::ElementsAre;

const std::string kTwo = "C:\\Work\\two.zvk";
const Bytes kTwoBytes = MacroFile({{"TopLevel", {"Enter", "Tab"}}, {"Help", {}}});

TEST_F(DocumentCommandsTest, SaveChangesQuestionNamesTheFileTitleThenTheTitleThenUntitled) {
  EXPECT_TRUE(commands.SaveModified());  // not modified: no question
  EXPECT_TRUE(messages.shown.empty());

  EditDocument();
  messages.answers = {MB::IdNo};
  EXPECT_TRUE(commands.SaveModified());
  doc.SetTitle("");
  messages.answers = {MB::IdCancel};
  EXPECT_FALSE(commands.SaveModified());
  doc.SetPathNameOnly("C:\\Work\\my macros.zvk");
  messages.answers = {MB::IdNo};
  EXPECT_TRUE(commands.SaveModified());

  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[0].text, "Save changes to Untitled?");
  EXPECT_EQ(messages.shown[0].type, MB::YesNoCancel | MB::IconExclamation);
  EXPECT_EQ(messages.shown[1].text, "Save changes to Untitled?");
  EXPECT_EQ(messages.shown[2].text, "Save changes to my macros?");
  EXPECT_TRUE(fs.files.empty()) << "No and Cancel write nothing";
}

TEST_F(DocumentCommandsTest, YesSavesFirstAndAFailedSaveStopsTheCommand) {
  fs.files[kTwo] = kTwoBytes;
  ASSERT_TRUE(commands.OpenDocumentFile(kTwo));
  EditDocument();
  const Bytes edited = SavedForm();
  messages.answers = {MB::IdYes};
  EXPECT_TRUE(commands.OnFileNew());
  EXPECT_EQ(fs.files[kTwo], edited);
  EXPECT_TRUE(IsEmptyUntitled());

  // Yes on an untitled document asks for a name; cancelling that stops New.
  EditDocument("Kept");
  messages.answers = {MB::IdYes};
  EXPECT_FALSE(commands.OnFileNew());
  EXPECT_EQ(doc.strSubMenuName[0], "Kept");
  EXPECT_TRUE(doc.IsModified());

  // A save that fails is reported and stops New.
  doc.SetPathNameOnly(kTwo);
  fs.FailNext(FakeFileSystem::Step::write, CFileException::diskFull);
  messages.answers = {MB::IdYes};
  EXPECT_FALSE(commands.OnFileNew());
  EXPECT_EQ(messages.shown.back().text, "Disk full while accessing C:\\Work\\two.zvk.");
  EXPECT_EQ(doc.strSubMenuName[0], "Kept");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentCommandsTest, NewOnAModifiedDocumentCancelKeepsItNoEmptiesIt) {
  doc.SetPathNameOnly(kTwo);
  doc.SetTitle("two");
  EditDocument();
  messages.answers = {MB::IdCancel};
  EXPECT_FALSE(commands.OnFileNew());
  EXPECT_EQ(doc.strSubMenuName[0], "Edited");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.GetTitle(), "two");
  EXPECT_EQ(viewUpdates, 0);

  messages.answers = {MB::IdNo};
  EXPECT_TRUE(commands.OnFileNew());
  EXPECT_TRUE(IsEmptyUntitled());
  EXPECT_EQ(doc.strSubMenuItemText[0], "") << "every slot cleared";
  EXPECT_EQ(viewUpdates, 1);
  EXPECT_GE(titleChanges, 1);
}

TEST_F(DocumentCommandsTest, OpenThroughTheDialogLoadsAndNamesTheDocument) {
  fs.files[kTwo] = kTwoBytes;
  dialogs.answers = {std::nullopt, std::string("two.zvk")};
  EXPECT_FALSE(commands.OnFileOpen()) << "Cancel ends the command";
  EXPECT_EQ(doc.nNumSubMenus, 0);

  EXPECT_TRUE(commands.OnFileOpen());
  const FileDialogRequest& request = dialogs.requests.back();
  EXPECT_EQ(request.kind, FileDialogRequest::Kind::open);
  EXPECT_EQ(request.title, "Open");
  EXPECT_EQ(request.defaultExtension, "zvk");
  EXPECT_EQ(request.flags, OFN::FileMustExist | OFN::HideReadOnly);
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0], std::make_pair(std::string("Zorvakomat Files (*.zvk)"), std::string("*.zvk")));
  EXPECT_EQ(request.filters[1], std::make_pair(std::string("All Files (*.*)"), std::string("*.*")));

  EXPECT_EQ(doc.nNumSubMenus, 2);
  EXPECT_EQ(doc.strSubMenuItemName[1], "Tab");
  EXPECT_EQ(doc.GetPathName(), kTwo) << "the typed name made a full path";
  EXPECT_EQ(doc.GetTitle(), "two");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(recent.GetSize(), 1);
  EXPECT_EQ(recent[0], kTwo);
  EXPECT_EQ(viewUpdates, 1);
  EXPECT_EQ(fs.openFiles, 0);
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
  doc.SetPathNameOnly(kTwo);
  doc.SetTitle("two");
  EditDocument();
  messages.answers = {MB::IdNo};
  EXPECT_FALSE(commands.OpenDocumentFile("C:\\Work\\gone.zvk"));
  EXPECT_EQ(messages.shown.back().text, "C:\\Work\\gone.zvk was not found.");
  EXPECT_EQ(messages.shown.back().type, MB::IconExclamation);
  EXPECT_EQ(doc.strSubMenuName[0], "Edited");
  EXPECT_EQ(doc.GetTitle(), "two");
  EXPECT_EQ(doc.GetPathName(), kTwo);
  EXPECT_TRUE(doc.IsModified()) << "the remembered flag is restored";

  fs.files[kTwo] = kTwoBytes;
  fs.FailNext(FakeFileSystem::Step::openForReading, CFileException::sharingViolation);
  messages.answers = {MB::IdNo};
  EXPECT_FALSE(commands.OpenDocumentFile(kTwo));
  EXPECT_EQ(messages.shown.back().text, "A sharing violation occurred while accessing C:\\Work\\two.zvk.");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentCommandsTest, FiveOpensListTheLastFourMostRecentFirst) {
  for (const char* name : {"a", "b", "c", "d", "e"}) {
    fs.files[std::string("C:\\Work\\") + name + ".zvk"] = kTwoBytes;
    ASSERT_TRUE(commands.OpenDocumentFile(std::string(name) + ".zvk"));
  }
  ASSERT_EQ(recent.GetSize(), 4);
  EXPECT_EQ(recent[0], "C:\\Work\\e.zvk");
  EXPECT_EQ(recent[3], "C:\\Work\\b.zvk");

  // Opening an entry again moves it to the top without a second copy,
  // however its name is spelled.
  ASSERT_TRUE(commands.OnOpenRecentFile(2));
  EXPECT_EQ(recent[0], "C:\\Work\\c.zvk");
  EXPECT_EQ(recent[1], "C:\\Work\\e.zvk");
  recent.Add("c:\\work\\E.ZVK");
  EXPECT_EQ(recent[3], "C:\\Work\\b.zvk");
}

TEST_F(DocumentCommandsTest, ARecentEntryThatDoesNotOpenIsRemoved) {
  for (const char* name : {"a", "b", "c"}) {
    fs.files[std::string("C:\\Work\\") + name + ".zvk"] = kTwoBytes;
    ASSERT_TRUE(commands.OpenDocumentFile(std::string(name) + ".zvk"));
  }
  // Deleted since: "was not found", and the entry goes.
  fs.files.erase("C:\\Work\\b.zvk");
  EXPECT_FALSE(commands.OnOpenRecentFile(1));
  EXPECT_EQ(messages.shown.back().text, "C:\\Work\\b.zvk was not found.");
  ASSERT_EQ(recent.GetSize(), 2);
  EXPECT_EQ(recent[1], "C:\\Work\\a.zvk");

  // Cancelling the question removes the entry too.
  EditDocument();
  messages.answers = {MB::IdCancel};
  EXPECT_FALSE(commands.OnOpenRecentFile(1));
  ASSERT_EQ(recent.GetSize(), 1);
  EXPECT_EQ(recent[0], "C:\\Work\\c.zvk");
}

TEST_F(DocumentCommandsTest, SavingInAnswerToTheQuestionDoesNotCostAnotherEntry) {
  for (const char* name : {"a", "b", "c"}) {
    fs.files[std::string("C:\\Work\\") + name + ".zvk"] = kTwoBytes;
    ASSERT_TRUE(commands.OpenDocumentFile(std::string(name) + ".zvk"));
  }
  // The list is c, b, a. With a open and modified, choose entry 2 (b),
  // whose file has gone: saving a first makes the list a, c, b, and then
  // b, not the entry now in its place, is the one removed.
  fs.files.erase("C:\\Work\\b.zvk");
  doc.SetPathNameOnly("C:\\Work\\a.zvk");
  EditDocument();
  messages.answers = {MB::IdYes};
  EXPECT_FALSE(commands.OnOpenRecentFile(1));
  ASSERT_EQ(recent.GetSize(), 2);
  EXPECT_EQ(recent[0], "C:\\Work\\a.zvk");
  EXPECT_EQ(recent[1], "C:\\Work\\c.zvk");
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
  EXPECT_FALSE(commands.ProcessShellCommand(ParseCommandLine({"-x", "v2.zvk"})));
  EXPECT_THAT(messages.Texts(), ElementsAre(VersionTooNewMessage(),
                                            "An unknown error occurred while accessing C:\\Work\\v2.zvk."));

  EXPECT_TRUE(commands.ProcessShellCommand(ParseCommandLine({"/dde"})));
  EXPECT_TRUE(IsEmptyUntitled());
}

}  // namespace
