// The small naming rules around documents: the name Save As proposes,
// the folder of a file and the shell's open command.

#include <gtest/gtest.h>

#include "documents/document_commands.h"
#include "storage/file_path.h"
#include "documents/shell_registration.h"

namespace {

TEST(ProposedSaveName, IsThePathOrTheTitleCutAtTheFirstDubiousCharacter) {
  EXPECT_EQ(ProposedSaveName("", "Untitled"), "Untitled.zvk");
  EXPECT_EQ(ProposedSaveName("C:\\Work\\a b.zvk", "a b"), "C:\\Work\\a b.zvk");
  for (const char* title : {"ab cd", "ab#cd", "ab%cd", "ab;cd", "ab/cd", "ab\\cd", "ab;c d"}) {
    EXPECT_EQ(ProposedSaveName("", title), "ab.zvk") << title;
  }
  EXPECT_EQ(ProposedSaveName("", "two.zvk"), "two.zvk.zvk") << "the title after a tray Open";
}

TEST(FilePath, TheFolderKeepsTheRootSeparatorSoTheRightFolderIsMeant) {
  EXPECT_EQ(FolderOf("C:\\Work\\a.zvk"), "C:\\Work");
  EXPECT_EQ(FolderOf("/opt/zvk/zorvakomat.exe"), "/opt/zvk");
  EXPECT_EQ(FolderOf("C:\\a.zvk"), "C:\\");
  EXPECT_EQ(FolderOf("\\\\server\\share\\a.zvk"), "\\\\server\\share");
  EXPECT_EQ(FolderOf("a.zvk"), ".");
  EXPECT_EQ(FolderOf("C:a.zvk"), "C:");
  EXPECT_EQ(FileNameOf("C:a.zvk") + FileNameOf("C:\\Work\\b.zvk") + FileNameOf("c"), "a.zvkb.zvkc");
}

TEST(ShellRegistration, OpenCommandAndTheClaimOnTheExtension) {
  EXPECT_EQ(ShellOpenCommand("C:\\PROGRA~1\\ZORVAK~1\\ZORVAK~1.EXE"),
            "C:\\PROGRA~1\\ZORVAK~1\\ZORVAK~1.EXE \"%1\"");
  // Where no short name exists the long path must still survive the blank.
  EXPECT_EQ(ShellOpenCommand("C:\\Program Files\\Zorvakomat\\zorvakomat.exe"),
            "\"C:\\Program Files\\Zorvakomat\\zorvakomat.exe\" \"%1\"");
  EXPECT_TRUE(ShouldClaimExtension(std::nullopt));
  EXPECT_TRUE(ShouldClaimExtension(std::string()));
  EXPECT_TRUE(ShouldClaimExtension(std::string("Zorvakomat.Document")));
  EXPECT_FALSE(ShouldClaimExtension(std::string("Other.Document")));
}

}  // namespace
