#include "support/fake_file_system.h"

#include "storage/mem_file.h"

namespace {

class FakeFile : public CMemFile {
 public:
  FakeFile(FakeFileSystem& fs, std::string path)
      : CMemFile(fs.files.at(path)), fs_(fs), path_(std::move(path)) {
    ++fs_.open_files;
  }
  ~FakeFile() override { --fs_.open_files; }

  void Write(const void* buffer, std::size_t count) override {
    fs_.Check(FakeFileSystem::Step::write, path_);
    CMemFile::Write(buffer, count);
    fs_.files.at(path_) = CMemFile::Bytes();  // the stored file changes as it is written
  }
  void Flush() override { fs_.Check(FakeFileSystem::Step::flush, path_); }
  void Close() override { fs_.Check(FakeFileSystem::Step::close, path_); }

 private:
  FakeFileSystem& fs_;
  std::string path_;
};

}  // namespace

std::unique_ptr<CFile> FakeFileSystem::OpenForReading(const std::string& path) {
  if (!Exists(path)) throw CFileException(CFileException::fileNotFound, 2, path);
  return std::make_unique<FakeFile>(*this, path);
}

std::unique_ptr<CFile> FakeFileSystem::CreateForWriting(const std::string& path) {
  Check(Step::create, path);
  files[path].clear();
  return std::make_unique<FakeFile>(*this, path);
}
