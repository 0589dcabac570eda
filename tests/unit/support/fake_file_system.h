#pragma once
// A file system in memory for the document command tests. Files are held
// by full path; a file being written changes in place as it is written, so
// a test sees exactly what a failed save left behind. Any single step can
// be made to fail.

#include <map>

#include "storage/exceptions.h"
#include "storage/file_path.h"
#include "storage/file_system.h"
#include "support/test_bytes.h"

class FakeFileSystem : public FileSystemPort {
 public:
  enum class Step { create, write, flush, close, tempFile, replace };

  // The next call of step fails with a CFileException of this cause, once.
  void FailNext(Step step, int cause) { failures_[step] = cause; }
  void Check(Step step, const std::string& path) {
    if (auto failure = failures_.extract(step)) throw CFileException(failure.mapped(), 0, path);
  }

  std::unique_ptr<CFile> OpenForReading(const std::string& path) override;
  std::unique_ptr<CFile> CreateForWriting(const std::string& path) override;
  bool Exists(const std::string& path) override { return files.count(path) != 0; }
  std::string CreateTempFileIn(const std::string& folder) override {
    Check(Step::tempFile, folder);
    const std::string path = folder + "\\zvk" + std::to_string(++temp_files_made) + ".tmp";
    files[path];
    return path;
  }
  void Replace(const std::string& target, const std::string& replacement) override {
    Check(Step::replace, target);
    files[target] = files.at(replacement);
    files.erase(replacement);
  }
  bool Delete(const std::string& path) override { return files.erase(path) != 0; }
  // The last part without its extension, as Windows shows it by default.
  std::string FileTitle(const std::string& path) override {
    const std::string name = FileNameOf(path);
    return name.substr(0, name.find_last_of('.'));
  }
  // A path without a drive lies in C:\Work.
  std::string FullPath(const std::string& path) override {
    return path.size() >= 2 && path[1] == ':' ? path : "C:\\Work\\" + path;
  }

  std::map<std::string, Bytes> files;
  int open_files = 0;  // file objects not yet destroyed
  int temp_files_made = 0;

 private:
  std::map<Step, int> failures_;
};
