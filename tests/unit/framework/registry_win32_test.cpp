// The settings in the registry, the shell registration and the File
// menu's recent-file entries, on Windows itself.

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/recent_file_list.h"
#include "framework/recent_file_menu_win32.h"
#include "framework/registry_profile_win32.h"
#include "framework/registry_value_win32.h"
#include "framework/shell_registration.h"
#include "framework/shell_registration_win32.h"
#include "framework/std_profile.h"
#include "resources/resource.h"

namespace {

const std::string kTestKey = "Software\\Zorvak\\ZorvakomatUnitTest";

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str()); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str()); }
};

TEST_F(RegistryTest, RecentFilesAndSettingsSurviveARestart) {
  RegistryProfile profile(kTestKey);
  CRecentFileList list;
  EXPECT_EQ(LoadStdProfileSettings(profile, list).nPreviewPages, 0);
  EXPECT_EQ(list.GetSize(), 0);
  for (const char* path : {"C:\\a.zvk", "C:\\b.zvk", "C:\\c.zvk", "C:\\d.zvk", "C:\\e.zvk"}) list.Add(path);
  SaveStdProfileSettings(profile, list);
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kTestKey + "\\Recent File List", "File1"), "C:\\e.zvk");

  list.Remove("C:\\b.zvk");
  SaveStdProfileSettings(profile, list);
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kTestKey + "\\Recent File List", "File4"), std::nullopt);

  ASSERT_TRUE(profile.WriteInt("Settings", "PreviewPages", 2));
  CRecentFileList again;
  EXPECT_EQ(LoadStdProfileSettings(profile, again).nPreviewPages, 2);
  ASSERT_EQ(again.GetSize(), 3);
  EXPECT_EQ(again[0], "C:\\e.zvk");
  EXPECT_EQ(again[2], "C:\\c.zvk");
  EXPECT_TRUE(profile.DeleteValue("No Such Section", "File1"));
}

TEST_F(RegistryTest, ShellRegistrationWritesTheTypeAndLeavesAnotherProgramsExtension) {
  const std::string classes = kTestKey + "\\Classes";
  ASSERT_TRUE(RegisterShellFileTypes(classes));
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, classes + "\\Zorvakomat.Document", ""), "Zorvakomat Document");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, classes + "\\Zorvakomat.Document\\shell\\open\\command", ""),
            ShellOpenCommand(ProgramShortPath()));
  const auto current = ReadRegString(HKEY_CLASSES_ROOT, ".zvk", "");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, classes + "\\.zvk", "").has_value(),
            ShouldClaimExtension(current));
}

TEST(RecentFileMenu, EntriesReplaceThePlaceholderAndGiveItBackWhenEmpty) {
  HMENU menu = CreatePopupMenu();
  ASSERT_NE(menu, nullptr);
  AppendMenuA(menu, MF_STRING, ID_FILE_NEW, "&New");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1, "Recent File");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, ID_APP_EXIT, "E&xit");

  const auto text = [menu](int position) {
    char buffer[128] = "";
    GetMenuStringA(menu, static_cast<UINT>(position), buffer, sizeof buffer, MF_BYPOSITION);
    return std::string(buffer);
  };

  UpdateRecentFileMenu(menu, {"&1 C:\\a", "&2 C:\\b", "&3 C:\\c"});
  EXPECT_EQ(GetMenuItemCount(menu), 7);
  EXPECT_EQ(text(2), "&1 C:\\a");
  EXPECT_EQ(GetMenuItemID(menu, 4), static_cast<UINT>(ID_FILE_MRU_FILE3));
  EXPECT_EQ(GetMenuState(menu, 2, MF_BYPOSITION) & MF_GRAYED, 0u);
  EXPECT_EQ(text(6), "E&xit");

  UpdateRecentFileMenu(menu, {"&1 C:\\b"});
  EXPECT_EQ(GetMenuItemCount(menu), 5);
  EXPECT_EQ(text(2), "&1 C:\\b");

  UpdateRecentFileMenu(menu, {});
  EXPECT_EQ(GetMenuItemCount(menu), 5);
  EXPECT_EQ(text(2), "Recent File");
  EXPECT_NE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_GRAYED, 0u);
  DestroyMenu(menu);
}

}  // namespace
