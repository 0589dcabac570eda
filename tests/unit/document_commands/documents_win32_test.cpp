// On Windows itself: the document commands on the real file layer (saving
// through a temporary file, a refused replacement, sharing while loading),
// the settings in the registry, the shell registration and the File menu's
// recent-file entries.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "document_commands/recent_file_menu_win32.h"
#include "document_commands/shell_registration.h"
#include "document_commands/shell_registration_win32.h"
#include "document_fixture.h"
#include "resources/resource.h"
#include "settings/registry_profile_win32.h"
#include "settings/registry_value_win32.h"
#include "storage/file_system_win32.h"

namespace {

namespace disk = std::filesystem;

struct Win32FilesTest : DocumentCommandsOver<Win32FileSystem> {
  void SetUp() override {
    DocumentCommandsOver::SetUp();
    disk::create_directory(folder);
  }
  void TearDown() override {
    for (const std::string& name : Contents())
      SetFileAttributesA((folder + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
    disk::remove_all(folder);
  }
  std::vector<std::string> Contents() const {
    std::vector<std::string> names;
    for (const auto& entry : disk::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    return names;
  }
  static Bytes Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }

  const std::string folder =
      (disk::temp_directory_path() / ("zvk_files_test_" + std::to_string(GetCurrentProcessId())))
          .string();
};

TEST_F(Win32FilesTest, SaveReplacesTheFileAndARefusedReplacementKeepsIt) {
  const std::string path = folder + "\\macros.zvk";
  EditDocument("First");
  dialogs.answers = {path};
  ASSERT_TRUE(commands.OnFileSaveAs());
  EditDocument("Second");
  ASSERT_TRUE(commands.OnFileSave());
  EXPECT_EQ(Read(path), StoredBytes(doc));
  EXPECT_THAT(Contents(), ElementsAre("macros.zvk")) << "no temporary file left";

  // A read-only file is not replaced: the message names it and it stays.
  const Bytes second = Read(path);
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EditDocument("Third");
  EXPECT_FALSE(commands.OnFileSave());
  EXPECT_THAT(messages.Take(), ElementsAre(ShownMessage{"Access to " + path + " was denied.",
                                                        MB::kIconExclamation}));
  EXPECT_EQ(Read(path), second);
  EXPECT_THAT(Contents(), ElementsAre("macros.zvk"));
}

TEST_F(Win32FilesTest, FailuresCarryTheirCauseAndThePath) {
  const std::string path = folder + "\\open.zvk";
  const auto causeOf = [](auto action) { return CauseOf<CFileException>(action); };
  EXPECT_EQ(causeOf([&] { fs.OpenForReading(path); }), CFileException::fileNotFound);
  EXPECT_EQ(causeOf([&] { fs.CreateForWriting(folder + "\\no\\such.zvk"); }),
            CFileException::badPath);
  fs.CreateForWriting(path)->Close();
  // While a file is being read nobody may write it.
  const auto reading = fs.OpenForReading(path);
  EXPECT_EQ(causeOf([&] { fs.CreateForWriting(path); }), CFileException::sharingViolation);
}

const std::string kTestKey = "Software\\Zorvak\\ZorvakomatUnitTest";

struct RegistryTest : ::testing::Test {
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str()); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str()); }
};

TEST_F(RegistryTest, RecentFilesSurviveARestart) {
  Win32RegistryProfile profile(kTestKey);
  CRecentFileList list;
  for (const char* path : {"C:\\a.zvk", "C:\\b.zvk", "C:\\c.zvk", "C:\\d.zvk"}) list.Add(path);
  list.WriteList(profile);
  list.Remove("C:\\a.zvk");
  list.WriteList(profile);

  CRecentFileList again;
  again.ReadList(profile);
  ASSERT_EQ(again.GetSize(), 3);
  EXPECT_EQ(again[0], "C:\\d.zvk");
}

TEST_F(RegistryTest, ShellRegistrationWritesTheTypeAndItsOpenCommand) {
  const std::string classes = kTestKey + "\\Classes";
  ASSERT_TRUE(RegisterShellFileTypes(classes));
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, classes + "\\Zorvakomat.Document", ""),
            "Zorvakomat Document");
  EXPECT_EQ(
      ReadRegString(HKEY_CURRENT_USER, classes + "\\Zorvakomat.Document\\shell\\open\\command", ""),
      ShellOpenCommand(ProgramShortPath()));
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, classes + "\\.zvk", "").has_value(),
            ShouldClaimExtension(ReadRegString(HKEY_CLASSES_ROOT, ".zvk", "")));
}

TEST(RecentFileMenu, EntriesReplaceThePlaceholderAndGiveItBackWhenEmpty) {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, ID_FILE_NEW, "&New");
  AppendMenuA(menu, MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1, "Recent File");
  AppendMenuA(menu, MF_STRING, ID_APP_EXIT, "E&xit");
  // An entry's text, and "(grayed)" after a grayed one.
  const auto entry = [menu](int position) {
    char buffer[128] = "";
    GetMenuStringA(menu, static_cast<UINT>(position), buffer, sizeof buffer, MF_BYPOSITION);
    const bool grayed =
        (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_GRAYED) != 0;
    return std::string(buffer) + (grayed ? " (grayed)" : "");
  };

  UpdateRecentFileMenu(menu, {"&1 C:\\a", "&2 C:\\b", "&3 C:\\c"}, ID_FILE_MRU_FILE1);
  EXPECT_EQ(GetMenuItemCount(menu), 5);
  EXPECT_EQ(entry(1) + ", " + entry(4), "&1 C:\\a, E&xit");
  EXPECT_EQ(GetMenuItemID(menu, 3), static_cast<UINT>(ID_FILE_MRU_FILE3));

  UpdateRecentFileMenu(menu, {"&1 C:\\b"}, ID_FILE_MRU_FILE1);
  EXPECT_EQ(GetMenuItemCount(menu), 3);
  EXPECT_EQ(entry(1), "&1 C:\\b");

  UpdateRecentFileMenu(menu, {}, ID_FILE_MRU_FILE1);
  EXPECT_EQ(entry(1), "Recent File (grayed)");
  DestroyMenu(menu);
}

}  // namespace
