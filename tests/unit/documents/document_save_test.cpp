// Save, Save As, what a failed save leaves behind, and ending the program.

#include <tuple>

#include "document_fixture.h"

namespace {

const std::string kOld = "C:\\Work\\old.zvk";

class SaveTest : public DocumentCommandsTest {
 protected:
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
  EXPECT_EQ(State(), "old C:\\Work\\old.zvk 1Editedhello there");

  EditDocument("Again");
  dialogs.answers = {std::nullopt, std::string("new.zvk")};
  EXPECT_FALSE(commands.OnFileSaveAs());
  EXPECT_TRUE(doc.IsModified()) << "cancelled";
  EXPECT_TRUE(commands.OnFileSaveAs());
  EXPECT_EQ(dialogs.requests.back().initialFileName, kOld);
  EXPECT_EQ(dialogs.requests.back().flags, OFN::HideReadOnly | OFN::PathMustExist | OFN::OverwritePrompt);
  EXPECT_EQ(fs.files["C:\\Work\\new.zvk"], StoredBytes(doc));
  EXPECT_EQ(State(), "new C:\\Work\\new.zvk 1Againhello there");
  EXPECT_THAT(recent.MenuTexts(fs),
              ElementsAre("&1 C:\\Work\\new", "&2 C:\\Work\\old", "&3 C:\\Work\\other"));

  // An untitled document's Save asks for a name, proposing the title.
  ASSERT_TRUE(commands.OnFileNew());
  EditDocument();
  dialogs.answers = {std::string("C:\\Work\\fresh.zvk")};
  EXPECT_TRUE(commands.OnFileSave());
  EXPECT_EQ(dialogs.requests.back().initialFileName, "Untitled.zvk");
}

// Whichever step fails, through Save or Save As onto the same file, the old
// file stays byte for byte as it was, the document stays modified under its
// old name, and no temporary file is left.
TEST_F(SaveTest, AFailedSaveLeavesThePreviousFileAsItWas) {
  using Step = FakeFileSystem::Step;
  const std::tuple<Step, int, const char*> failures[] = {
      {Step::tempFile, CFileException::accessDenied,
       "C:\\Work\\old.zvk could not be saved because no temporary file can be created in the folder C:\\Work."},
      {Step::create, CFileException::accessDenied, "Access to C:\\Work\\old.zvk was denied."},
      {Step::write, CFileException::diskFull, "Disk full while accessing C:\\Work\\old.zvk."},
      {Step::flush, CFileException::hardIO, "A hardware I/O error was reported while accessing C:\\Work\\old.zvk."},
      {Step::close, CFileException::diskFull, "Disk full while accessing C:\\Work\\old.zvk."},
      {Step::replace, CFileException::sharingViolation,
       "A sharing violation occurred while accessing C:\\Work\\old.zvk."},
  };
  const Bytes before = fs.files[kOld];
  for (const auto& [step, cause, message] : failures) {
    for (const bool saveAs : {false, true}) {
      SCOPED_TRACE(std::string(message) + (saveAs ? " (Save As)" : " (Save)"));
      fs.FailNext(step, cause);
      dialogs.answers = {kOld};
      EXPECT_FALSE(saveAs ? commands.OnFileSaveAs() : commands.OnFileSave());
      EXPECT_EQ(fs.files[kOld], before);
      EXPECT_THAT(messages.Take(), ElementsAre(ShownMessage{message, MB::IconExclamation}));
      EXPECT_EQ(State(), "old C:\\Work\\old.zvk 1Editedhello there modified");
      for (const auto& [path, bytes] : fs.files) EXPECT_EQ(path.find(".tmp"), std::string::npos) << path;
      EXPECT_EQ(fs.openFiles, 0);
    }
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
// while a modal window is open, and otherwise as the question says; a save
// that fails keeps the program running.
TEST_F(SaveTest, TheProgramEndsOnlyWithNoWindowOpenAndTheQuestionAnswered) {
  using EndAnswer = DocumentCommands::EndAnswer;
  {
    const ModalWindowScope dialog;
    EXPECT_EQ(commands.QueryEnd(), EndAnswer::showModalWindow);
  }
  messages.answers = {MB::IdCancel, MB::IdYes, MB::IdOk, MB::IdNo, MB::IdYes};  // Ok: the failure
  EXPECT_EQ(commands.QueryEnd(), EndAnswer::keepRunning);
  fs.FailNext(FakeFileSystem::Step::write, CFileException::diskFull);
  EXPECT_EQ(commands.QueryEnd(), EndAnswer::keepRunning);
  EXPECT_EQ(commands.QueryEnd(), EndAnswer::end);
  EXPECT_EQ(commands.QueryEnd(), EndAnswer::end);
  EXPECT_EQ(fs.files[kOld], StoredBytes(doc));
  EXPECT_EQ(commands.QueryEnd(), EndAnswer::end);
}

}  // namespace
