// The portable program's settings file: read and changed in place, the
// user's notes kept; a damaged file or one that cannot be read gives the
// defaults and is left as it is; one that cannot be written is read all
// the same; and the status bar is told each time.
#include <gtest/gtest.h>

#include <string>

#include "settings/ini_profile.h"
#include "support/fake_file_system.h"

namespace {

constexpr const char* kPath = "E:\\Zorvakomat\\Zorvakomat.ini";

struct IniProfileTest : ::testing::Test {
  void Put(const std::string& text) { files.files[kPath] = BytesOf(text); }
  std::string Text() const { return TextOf(files.files.at(kPath)); }
  // The problem told for a file, which stays as it was, and whose
  // settings are the defaults.
  std::string Refused(const std::string& text) {
    Put(text);
    IniProfile ini(files, kPath);
    EXPECT_EQ(ini.ReadString("Settings", "PickHotkey", "default"), "default") << text;
    EXPECT_FALSE(ini.WriteString("Settings", "RestoreClipboard", "0")) << text;
    EXPECT_EQ(Text(), text);
    return ini.Problem();
  }

  FakeFileSystem files;
};

TEST_F(IniProfileTest, SettingsAreReadAndChangedInPlaceAndTheUsersNotesStay) {
  Put("; Zorvakomat keeps its settings here.\n[settings]\n  pickhotkey = Ctrl+F9 \n\n"
      "[Recent File List]\nFile1=C:\\a.zvk\n; mine\n");
  IniProfile ini(files, kPath);
  EXPECT_EQ(ini.Problem(), "");
  EXPECT_EQ(ini.ReadString("Settings", "PickHotkey"), "Ctrl+F9");
  EXPECT_EQ(ini.ReadString("Recent File List", "File2", "none"), "none");
  EXPECT_TRUE(ini.WriteString("Recent File List", "File1", "C:\\b=c.zvk"));
  EXPECT_TRUE(ini.WriteString("Recent File List", "File2", "C:\\a.zvk"));
  EXPECT_TRUE(ini.WriteString("Settings", "RestoreClipboard", "0"));
  EXPECT_TRUE(ini.WriteString("More", "X", "1"));
  EXPECT_TRUE(ini.DeleteValue("Settings", "PickHotkey"));
  EXPECT_TRUE(ini.DeleteValue("Settings", "Missing"));
  EXPECT_FALSE(ini.WriteString("More", "X", "two\r\nlines"));
  EXPECT_EQ(ini.ReadString("Recent File List", "File1"), "C:\\b=c.zvk");
  EXPECT_EQ(Text(),
            "; Zorvakomat keeps its settings here.\r\n[settings]\r\nRestoreClipboard=0\r\n\r\n"
            "[Recent File List]\r\nFile1=C:\\b=c.zvk\r\nFile2=C:\\a.zvk\r\n; mine\r\n"
            "[More]\r\nX=1\r\n");
  // Every change is in the file at once.
  EXPECT_EQ(IniProfile(files, kPath).ReadString("settings", "restoreclipboard"), "0");
  // Settings are kept in UTF-8; an older version's file is in the legacy code page.
  Put("[Recent File List]\nFile1=C:\\\u0416.zvk\n");
  EXPECT_EQ(IniProfile(files, kPath).ReadString("Recent File List", "File1"), "C:\\\u0416.zvk");
  Put("[Recent File List]\nFile1=C:\\Caf\xE9.zvk\n");
  EXPECT_EQ(IniProfile(files, kPath).ReadString("Recent File List", "File1"), "C:\\Caf\u00E9.zvk");
}

TEST_F(IniProfileTest, ADamagedOrUnreadableFileGivesTheDefaultsAndIsLeftAsItIs) {
  const std::string damaged = "The settings file E:\\Zorvakomat\\Zorvakomat.ini is damaged (line ";
  const std::string rest =
      " is no setting), so Zorvakomat starts with its default settings and leaves the file as "
      "it is.";
  EXPECT_EQ(Refused("[Settings]\nPickHotkey=Ctrl+F9\nnonsense\n"), damaged + "3" + rest);
  EXPECT_EQ(Refused("PickHotkey=Ctrl+F9\n[Settings]\n"), damaged + "1" + rest);
  EXPECT_EQ(Refused(std::string("[Settings]\nPickHotkey=Ctrl\0+F9\n", 30)), damaged + "2" + rest);
  EXPECT_EQ(Refused("[Settings]\n=1\n"), damaged + "2" + rest);
  const std::string unreadable =
      "The settings file E:\\Zorvakomat\\Zorvakomat.ini cannot be read, so Zorvakomat starts with "
      "its default settings and leaves the file as it is.";
  EXPECT_EQ(Refused("[Settings]\n" + std::string(IniProfile::kMaxBytes, ';')), unreadable);
  files.files.erase(kPath);
  EXPECT_EQ(IniProfile(files, kPath).Problem(), unreadable);
  EXPECT_EQ(files.files.count(kPath), 0u);
}

TEST_F(IniProfileTest, AFileThatCannotBeWrittenIsReadAndTheChangesAreNotKept) {
  Put("[Settings]\nPickHotkey=Ctrl+F9\n");
  files.FailNext(FakeFileSystem::Step::replace, CFileException::accessDenied);
  IniProfile ini(files, kPath);
  EXPECT_EQ(ini.Problem(),
            "The settings file E:\\Zorvakomat\\Zorvakomat.ini cannot be written, so the settings "
            "changed from now on (the recent files) are not kept.");
  EXPECT_EQ(ini.ReadString("Settings", "PickHotkey"), "Ctrl+F9");
  EXPECT_EQ(Text(), "[Settings]\nPickHotkey=Ctrl+F9\n");
}

}  // namespace
