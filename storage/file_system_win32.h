#pragma once
// The document commands' file operations, carried out by Windows.

#include "storage/file_system.h"

class Win32FileSystem : public FileSystemPort {
 public:
  std::unique_ptr<CFile> OpenForReading(const std::string& path) override;
  std::unique_ptr<CFile> CreateForWriting(const std::string& path) override;
  bool Exists(const std::string& path) override;
  std::string CreateTempFileIn(const std::string& folder) override;
  void Replace(const std::string& target, const std::string& replacement) override;
  bool Delete(const std::string& path) override;
  std::string FileTitle(const std::string& path) override;
  std::string FullPath(const std::string& path) override;
};
