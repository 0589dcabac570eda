// Save, Save As, and what a failed save leaves behind.

#include "document_fixture.h"

namespace {

const std::string kOld = "C:\\Work\\old.zvk";

class SaveTest : public DocumentCommandsTest {
 protected:
  void SetUp() override {
    DocumentCommandsTest::SetUp();
    fs.files[kOld] = MacroFile({{"Old", {"one", "two"}}});
    ASSERT_TRUE(commands.OpenDocumentFile(kOld));
    EditDocument();
  }
  // Every temporary file made was removed again, and nothing is open.
  void ExpectNoLeftovers() {
    for (const auto& [path, bytes] : fs.files) EXPECT_EQ(path.find(".tmp"), std::string::npos) << path;
    EXPECT_EQ(fs.openFiles, 0);
  }
};

TEST_F(SaveTest, SaveReplacesTheFileAndClearsTheModifiedFlag) {
  const Bytes expected = SavedForm();
  recent.Add("C:\\Work\\other.zvk");
  EXPECT_TRUE(commands.OnFileSave());
  EXPECT_EQ(fs.files[kOld], expected);
  EXPECT_EQ(fs.tempFilesMade, 1) << "written aside, then put in place";
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(RecentEntries().front(), kOld) << "a save puts the path at the top";
  EXPECT_TRUE(dialogs.requests.empty());
  EXPECT_TRUE(messages.shown.empty());
  ExpectNoLeftovers();
}

TEST_F(SaveTest, SaveAsAsksWithTheProposedNameAndTakesTheNewName) {
  dialogs.answers = {std::nullopt, std::string("new.zvk")};
  EXPECT_FALSE(commands.OnFileSaveAs());
  EXPECT_TRUE(doc.IsModified()) << "cancelled";

  EXPECT_TRUE(commands.OnFileSaveAs());
  EXPECT_EQ(dialogs.requests.back().initialFileName, kOld);
  EXPECT_EQ(dialogs.requests.back().flags, OFN::HideReadOnly | OFN::PathMustExist | OFN::OverwritePrompt);
  EXPECT_EQ(fs.files["C:\\Work\\new.zvk"], SavedForm());
  EXPECT_EQ(fs.files[kOld], MacroFile({{"Old", {"one", "two"}}})) << "the old file is left alone";
  EXPECT_EQ(doc.GetPathName(), "C:\\Work\\new.zvk");
  EXPECT_EQ(doc.GetTitle(), "new");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_THAT(RecentEntries(), ::testing::ElementsAre("C:\\Work\\new.zvk", kOld));

  // An untitled document's Save asks for a name too.
  messages.answers = {MB::IdNo};
  ASSERT_TRUE(commands.OnFileNew());
  EditDocument();
  dialogs.answers = {std::string("C:\\Work\\fresh.zvk")};
  EXPECT_TRUE(commands.OnFileSave());
  EXPECT_EQ(dialogs.requests.back().initialFileName, "Untitled.zvk");
  EXPECT_EQ(fs.files["C:\\Work\\fresh.zvk"], SavedForm());
}

struct FailedStep {
  const char* name;
  FakeFileSystem::Step step;
  int cause;
  const char* message;
};

class FailedSaveTest : public SaveTest, public ::testing::WithParamInterface<FailedStep> {};

// Whichever step fails, the old file stays byte for byte as it was, the
// document stays modified under its old name, and no temporary file is left.
TEST_P(FailedSaveTest, LeavesThePreviousFileAsItWas) {
  const Bytes before = fs.files[kOld];
  for (const bool saveAs : {false, true}) {
    SCOPED_TRACE(saveAs ? "Save As onto the same file" : "Save");
    messages.shown.clear();
    fs.FailNext(GetParam().step, GetParam().cause);
    if (saveAs) {
      dialogs.answers = {kOld};
      EXPECT_FALSE(commands.OnFileSaveAs());
    } else {
      EXPECT_FALSE(commands.OnFileSave());
    }
    EXPECT_EQ(fs.files[kOld], before);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, GetParam().message);
    EXPECT_EQ(messages.shown[0].type, MB::IconExclamation);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), kOld);
    EXPECT_EQ(doc.GetTitle(), "old");
    ExpectNoLeftovers();
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, FailedSaveTest,
    ::testing::Values(
        FailedStep{"TempFile", FakeFileSystem::Step::tempFile, CFileException::accessDenied,
                   "Access to C:\\Work\\old.zvk was denied."},
        FailedStep{"Create", FakeFileSystem::Step::create, CFileException::accessDenied,
                   "Access to C:\\Work\\old.zvk was denied."},
        FailedStep{"Write", FakeFileSystem::Step::write, CFileException::diskFull,
                   "Disk full while accessing C:\\Work\\old.zvk."},
        FailedStep{"Flush", FakeFileSystem::Step::flush, CFileException::hardIO,
                   "A hardware I/O error was reported while accessing C:\\Work\\old.zvk."},
        FailedStep{"Close", FakeFileSystem::Step::close, CFileException::diskFull,
                   "Disk full while accessing C:\\Work\\old.zvk."},
        FailedStep{"Replace", FakeFileSystem::Step::replace, CFileException::sharingViolation,
                   "A sharing violation occurred while accessing C:\\Work\\old.zvk."}),
    [](const ::testing::TestParamInfo<FailedStep>& info) { return std::string(info.param.name); });

TEST_F(SaveTest, AnIncompleteNewFileIsRemovedOnlyWhenItsNameWasChosenInSaveAs) {
  dialogs.answers = {std::string("C:\\Work\\new.zvk")};
  fs.FailNext(FakeFileSystem::Step::write, CFileException::diskFull);
  EXPECT_FALSE(commands.OnFileSaveAs());
  EXPECT_EQ(fs.files.count("C:\\Work\\new.zvk"), 0u);
  EXPECT_EQ(RecentEntries().front(), kOld);

  // Save to the document's own path, whose file has gone meanwhile: what
  // was written stays.
  fs.files.erase(kOld);
  fs.FailNext(FakeFileSystem::Step::close, CFileException::diskFull);
  EXPECT_FALSE(commands.OnFileSave());
  EXPECT_EQ(fs.files.count(kOld), 1u);
  EXPECT_TRUE(doc.IsModified());
}

}  // namespace
