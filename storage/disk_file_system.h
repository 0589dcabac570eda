#pragma once
// The file operations of the document file path over the C runtime: what
// the zvk tool saves and loads through. Paths are used as given (a message
// names a file as the user typed it); a temporary file is made beside its
// target and put in the target's place in one step.

#include "storage/file_system.h"

class DiskFileSystem : public FileSystemPort {
 public:
  std::unique_ptr<CFile> OpenForReading(const std::string& path) override;
  std::unique_ptr<CFile> CreateForWriting(const std::string& path) override;
  bool Exists(const std::string& path) override;
  std::string CreateTempFileIn(const std::string& folder) override;
  void Replace(const std::string& target, const std::string& replacement) override;
  bool Delete(const std::string& path) override;
  std::string FileTitle(const std::string& path) override;
  std::string FullPath(const std::string& path) override { return path; }
};
