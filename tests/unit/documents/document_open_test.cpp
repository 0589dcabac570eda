// The save-changes question, New, and the common open used by File > Open,
// the recent files and the command line.

#include "document_fixture.h"

namespace {

const std::string kTwo = "C:\\Work\\two.zvk";
const Bytes kTwoBytes = DocumentBuilder().SubMenu("TopLevel", {{"Enter", "[enter]", 1}, {"Tab", "[tab]"}})
                            .SubMenu("Help").FileBytes();

TEST_F(DocumentCommandsTest, TheQuestionNamesTheFileTitleThenTheTitleThenUntitled) {
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
  // Cancel, a save that fails (reported), and Yes on an untitled document
  // whose Save As is cancelled all stop New.
  messages.answers = {MB::IdCancel, MB::IdYes};
  EXPECT_FALSE(commands.OnFileNew());
  fs.FailNext(FakeFileSystem::Step::write, CFileException::diskFull);
  EXPECT_FALSE(commands.OnFileNew());
  EXPECT_EQ(messages.shown.back().text, "Disk full while accessing C:\\Work\\two.zvk.");
  EXPECT_EQ(doc.strSubMenuName[0], "Kept");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.GetTitle(), "two");
  EXPECT_EQ(viewUpdates, 0);

  const Bytes edited = SavedForm();
  messages.answers = {MB::IdYes};
  EXPECT_TRUE(commands.OnFileNew());
  EXPECT_EQ(fs.files[kTwo], edited);
  EXPECT_TRUE(IsEmptyUntitled());
  EXPECT_EQ(viewUpdates, 1);

  EditDocument("Kept");
  messages.answers = {MB::IdYes, MB::IdNo};
  EXPECT_FALSE(commands.OnFileNew());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(commands.OnFileNew());
  EXPECT_TRUE(IsEmptyUntitled());
}

TEST_F(DocumentCommandsTest, OpenThroughTheDialogLoadsAndNamesTheDocument) {
  fs.files[kTwo] = kTwoBytes;
  dialogs.answers = {std::nullopt, std::string("two.zvk")};
  EXPECT_FALSE(commands.OnFileOpen()) << "Cancel ends the command";
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
  EXPECT_EQ(fs.openFiles, 0);
}

// File > Open and the tray's Open of a file that cannot be read: whatever
// fails, wherever the file ends, the document keeps its content (every
// slot), path, title and modified flag, after the messages the user must
// see. An empty file is an empty document to File > Open, a file ending too
// early to the tray.
TEST_F(DocumentCommandsTest, AFileThatCannotBeReadLeavesTheDocumentAsItWas) {
  const std::string f = "C:\\Work\\f.zvk";
  struct Case {
    std::string what;
    std::optional<Bytes> bytes;  // nothing: no such file
    std::vector<ShownMessage> common, tray;
  };
  const std::string pastTheEnd = "An attempt was made to access an unnamed file past its end.";
  const std::vector<ShownMessage> cut = {{"Unexpected file format.", MB::IconExclamation}};
  std::vector<Case> cases = {
      {"version 2", MacroFile("A", {}, 2),
       {{VersionTooNewMessage(), MB::Ok}, {"An unknown error occurred while accessing " + f + ".", MB::IconExclamation}},
       {{VersionTooNewMessage(), MB::Ok}, {"An unknown error occurred while accessing an unnamed file.", MB::IconStop}}},
      {"51 submenus", Int32(1) + Int32(0) + Int32(0) + Int32(51), cut, {{"an unnamed file has a bad format.", MB::IconStop}}},
      {"missing", std::nullopt, {{f + " was not found.", MB::IconExclamation}}, {{f + " was not found.", MB::IconStop}}},
      {"empty", Bytes{}, {}, {{pastTheEnd, MB::IconStop}}},
  };
  for (std::size_t n = 1; n < kTwoBytes.size(); ++n) {
    cases.push_back({"cut at " + std::to_string(n), Bytes(kTwoBytes.begin(), kTwoBytes.begin() + n), cut,
                     {{pastTheEnd, MB::IconStop}}});
  }
  for (const bool tray : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what + (tray ? " (tray)" : " (File > Open)"));
      fs.files.erase(f);
      if (c.bytes) fs.files[f] = *c.bytes;
      doc.SetPathNameOnly(kTwo);
      doc.SetTitle("two");
      doc.nNumSubMenus = 0;
      DocumentBuilder().NumberedSubMenus(3, NumberedItems(2)).AddTo(doc);
      doc.nNumSubMenus = 2;  // and a leftover beyond the count
      doc.SetModifiedFlag(true);
      const auto before = std::make_unique<MacroData>(doc);
      messages.answers = {MB::IdNo};
      dialogs.answers = {std::string("f.zvk")};
      bool opened = false;
      if (tray) {
        commands.OnTrayFileOpen();
      } else {
        opened = commands.OpenDocumentFile("f.zvk");
      }
      std::vector<ShownMessage> expected = {{"Save changes to two?", MB::YesNoCancel | MB::IconExclamation}};
      const auto& failure = tray ? c.tray : c.common;
      expected.insert(expected.end(), failure.begin(), failure.end());
      EXPECT_EQ(messages.Take(), expected);
      EXPECT_EQ(fs.openFiles, 0);
      EXPECT_EQ(opened, !tray && failure.empty());
      if (!failure.empty()) {
        EXPECT_TRUE(static_cast<const MacroData&>(doc) == *before);
        EXPECT_EQ(doc.GetPathName(), kTwo);
        EXPECT_EQ(doc.GetTitle(), "two");
        EXPECT_TRUE(doc.IsModified());
      } else {
        EXPECT_TRUE(static_cast<const MacroData&>(doc) == *std::make_unique<MacroData>()) << "nothing of the earlier document";
        EXPECT_EQ(doc.GetTitle(), "f");
        EXPECT_EQ(doc.GetPathName(), f);
        EXPECT_FALSE(doc.IsModified());
      }
    }
  }
  EXPECT_THAT(RecentEntries(), ElementsAre(f)) << "only the file that opened";
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
  EXPECT_THAT(RecentEntries(), ElementsAre("c:\\work\\E.ZVK", "C:\\Work\\c.zvk", "C:\\Work\\d.zvk",
                                           "C:\\Work\\b.zvk"));
  // A file deleted since: "was not found", and the entry goes.
  fs.files.erase("C:\\Work\\b.zvk");
  EXPECT_FALSE(commands.OnOpenRecentFile(3));
  EXPECT_EQ(messages.shown.back().text, "C:\\Work\\b.zvk was not found.");
  // Cancelling the question removes the entry too.
  EditDocument();
  messages.answers = {MB::IdCancel};
  EXPECT_FALSE(commands.OnOpenRecentFile(2));
  EXPECT_THAT(RecentEntries(), ElementsAre("c:\\work\\E.ZVK", "C:\\Work\\c.zvk"));
  // Saving in answer to the question puts the document's file on top: the
  // entry chosen (c, whose file has gone), not the one now in its place, is
  // the one removed.
  fs.files.erase("C:\\Work\\c.zvk");
  doc.SetPathNameOnly("C:\\Work\\a.zvk");
  messages.answers = {MB::IdYes};
  EXPECT_FALSE(commands.OnOpenRecentFile(1));
  EXPECT_THAT(RecentEntries(), ElementsAre("C:\\Work\\a.zvk", "c:\\work\\E.ZVK"));
}

TEST_F(DocumentCommandsTest, StartUpOpensTheNamedFileOrFails) {
  fs.files[kTwo] = kTwoBytes;
  EXPECT_TRUE(commands.ProcessShellCommand(ParseCommandLine({kTwo})));
  EXPECT_EQ(doc.nNumSubMenus, 2);
  EXPECT_EQ(doc.GetTitle(), "two");
  EXPECT_TRUE(messages.shown.empty()) << "no question at start-up";

  EXPECT_FALSE(commands.ProcessShellCommand(ParseCommandLine({"C:\\Work\\gone.zvk"})));
  fs.files["C:\\Work\\v2.zvk"] = MacroFile("A", {}, 2);
  EXPECT_FALSE(commands.ProcessShellCommand(ParseCommandLine({"-x", "v2.zvk", "two.zvk"})));
  EXPECT_THAT(messages.Texts(), ElementsAre("C:\\Work\\gone.zvk was not found.", VersionTooNewMessage(),
                                            "An unknown error occurred while accessing C:\\Work\\v2.zvk."));

  EXPECT_TRUE(commands.ProcessShellCommand(ParseCommandLine({"/dde"})));
  EXPECT_TRUE(IsEmptyUntitled());
}

}  // namespace
