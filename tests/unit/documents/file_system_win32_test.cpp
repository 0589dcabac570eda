// The document commands on the real Windows file layer: saving through a
// temporary file, a refused replacement, sharing while loading.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "document_fixture.h"
#include "storage/file_system_win32.h"

namespace {

namespace disk = std::filesystem;

class Win32FilesTest : public DocumentCommandsOver<Win32FileSystem> {
 protected:
  void SetUp() override {
    DocumentCommandsOver::SetUp();
    disk::create_directory(folder);
  }
  void TearDown() override {
    for (const std::string& name : Contents()) SetFileAttributesA((folder + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
    disk::remove_all(folder);
  }
  std::vector<std::string> Contents() const {
    std::vector<std::string> names;
    for (const auto& entry : disk::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    return names;
  }
  static Bytes Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }

  const std::string folder =
      (disk::temp_directory_path() / ("zvk_files_test_" + std::to_string(GetCurrentProcessId()))).string();
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
  EXPECT_THAT(messages.Texts(), ElementsAre("Access to " + path + " was denied."));
  EXPECT_EQ(Read(path), second);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_THAT(Contents(), ElementsAre("macros.zvk"));
}

TEST_F(Win32FilesTest, FailuresCarryTheirCauseAndThePath) {
  const std::string path = folder + "\\open.zvk";
  const auto causeOf = [](auto action) { return CauseOf<CFileException>(action); };
  EXPECT_EQ(causeOf([&] { fs.OpenForReading(path); }), CFileException::fileNotFound);
  EXPECT_EQ(causeOf([&] { fs.CreateForWriting(folder + "\\no\\such.zvk"); }), CFileException::badPath);
  fs.CreateForWriting(path)->Close();
  // While a file is being read nobody may write it.
  const auto reading = fs.OpenForReading(path);
  EXPECT_EQ(causeOf([&] { fs.CreateForWriting(path); }), CFileException::sharingViolation);
}

}  // namespace
