// Saving over a file on disk through the C runtime (what zvk does): the
// temporary file is made only where its name is free, and the file that
// takes the old one's place keeps the old one's permissions.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "storage/disk_file.h"
#include "storage/disk_file_system.h"
#include "storage/exceptions.h"
#include "storage/safe_save.h"

namespace {

namespace disk = std::filesystem;

class DiskSaveTest : public testing::Test {
 protected:
  void SetUp() override {
    disk::remove_all(folder);
    disk::create_directories(folder);
  }
  void TearDown() override { disk::remove_all(folder); }

  static void Put(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  const std::string folder = (disk::temp_directory_path() / "zvk_disk_save_test").string();
  DiskFileSystem files;
};

TEST_F(DiskSaveTest, ANewFileIsNeverMadeOverOneThatIsThere) {
  const std::string taken = folder + "/zvk0000.tmp";
  Put(taken, "someone else's");
  try {
    DiskFile file(taken, DiskFile::Mode::createNew);
    FAIL() << "made over an existing file";
  } catch (const CFileException& e) {
    EXPECT_EQ(e.OsError(), EEXIST);
  }
  EXPECT_EQ(Read(taken), "someone else's");

  // Temporary files are new each time and left empty for the save.
  const std::string first = files.CreateTempFileIn(folder);
  const std::string second = files.CreateTempFileIn(folder);
  EXPECT_NE(first, second);
  EXPECT_EQ(disk::file_size(first), 0u);
}

#ifndef _WIN32
TEST_F(DiskSaveTest, TheSavedFileKeepsThePermissionsOfTheFileItReplaces) {
  for (const disk::perms perms : {disk::perms::owner_read | disk::perms::owner_write,
                                  disk::perms::owner_read | disk::perms::owner_write |
                                      disk::perms::group_read | disk::perms::others_read}) {
    const std::string path = folder + "/macros.zvk";
    Put(path, "old");
    disk::permissions(path, perms);
    SaveFileSafely(
        files, path, [](CFile& file) { file.Write("new", 3); }, false);
    EXPECT_EQ(Read(path), "new");
    EXPECT_EQ(disk::status(path).permissions(), perms);
    EXPECT_EQ(std::distance(disk::directory_iterator(folder), disk::directory_iterator()), 1)
        << "no temporary file left";
  }
}
#endif

}  // namespace
