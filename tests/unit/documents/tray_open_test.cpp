// The tray menu's own Open: no question, nothing reset, failures shown
// with the stop icon.

#include "document_fixture.h"

namespace {

const std::string kTwo = "C:\\Work\\two.zvk";
const std::string kThree = "C:\\Work\\three.zvk";

class TrayOpenTest : public DocumentCommandsTest {
 protected:
  // A saved document of three submenus, then edited.
  void SetUp() override {
    DocumentCommandsTest::SetUp();
    fs.files[kThree] = DocumentBuilder().SubMenu("S0", {{"a0", "t"}, {"b0", "t"}}).SubMenu("S1").SubMenu("S2").FileBytes();
    fs.files[kTwo] = DocumentBuilder().SubMenu("TopLevel", {{"Enter", "[tab]"}, {"Tab", "[tab]"}}).SubMenu("Help").FileBytes();
    ASSERT_TRUE(commands.OpenDocumentFile("three.zvk"));
    doc.SetModifiedFlag(true);
    titleChanges = viewUpdates = 0;
  }
  void TrayOpen(const std::string& typed) {
    dialogs.answers = {typed};
    commands.OnTrayFileOpen();
  }
};

TEST_F(TrayOpenTest, LoadsOverAModifiedDocumentAndALaterSaveWritesTheFileTheCaptionNames) {
  const Bytes threeBefore = fs.files[kThree];
  TrayOpen("two.zvk");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(dialogs.requests.back().owner, FileDialogRequest::Owner::view);
  EXPECT_EQ(dialogs.requests.back().flags, 6u);
  EXPECT_EQ(doc.strSubMenuName[0], "TopLevel");
  EXPECT_EQ(doc.strSubMenuName[2], "S2") << "nothing is cleared first";
  EXPECT_EQ(doc.GetTitle(), "two.zvk") << "the file's name with its extension";
  EXPECT_EQ(titleChanges, 1);
  EXPECT_TRUE(doc.IsModified()) << "the flag is left as it was";
  EXPECT_THAT(RecentEntries(), ElementsAre(kThree)) << "the recent files are left alone";
  EXPECT_EQ(viewUpdates, 0);
  EXPECT_EQ(fs.openFiles, 0);

  dialogs.answers = {std::nullopt};
  commands.OnTrayFileOpen();  // Cancel ends the command
  EXPECT_TRUE(commands.OnFileSave());
  EXPECT_EQ(fs.files[kThree], threeBefore);
  EXPECT_EQ(fs.files[kTwo], SavedForm());
}

TEST_F(TrayOpenTest, FailuresAreShownWithTheStopIconAndChangeNoNames) {
  Bytes truncated = fs.files[kTwo];
  truncated.resize(45);  // ends where the second item would begin
  fs.files["C:\\Work\\short.zvk"] = truncated;
  fs.files["C:\\Work\\v2.zvk"] = MacroFile("New", {}, 2);
  fs.files["C:\\Work\\empty.zvk"] = {};

  TrayOpen("missing.zvk");
  TrayOpen("v2.zvk");
  EXPECT_EQ(doc.strSubMenuName[0], "S0") << "a rejected version changes nothing";
  TrayOpen("empty.zvk");
  TrayOpen("short.zvk");

  const std::string pastTheEnd = "An attempt was made to access an unnamed file past its end.";
  EXPECT_THAT(messages.shown, ElementsAre(ShownMessage{"C:\\Work\\missing.zvk was not found.", MB::IconStop},
                                          ShownMessage{VersionTooNewMessage(), MB::Ok},
                                          ShownMessage{"An unknown error occurred while accessing an unnamed file.",
                                                       MB::IconStop},
                                          ShownMessage{pastTheEnd, MB::IconStop}, ShownMessage{pastTheEnd, MB::IconStop}));
  // What was read before the end is in the document; the rest is old.
  EXPECT_EQ(doc.strSubMenuName[0], "TopLevel");
  EXPECT_EQ(doc.strSubMenuItemName[1], "b0");
  EXPECT_EQ(doc.strSubMenuName[1], "S1");
  EXPECT_EQ(doc.GetPathName(), kThree);
  EXPECT_EQ(doc.GetTitle(), "three");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(fs.openFiles, 0);
}

}  // namespace
