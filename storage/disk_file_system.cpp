#include "storage/disk_file_system.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>

#include "storage/disk_file.h"
#include "storage/exceptions.h"
#include "storage/file_path.h"
#include "storage/rename_over.h"

std::unique_ptr<CFile> DiskFileSystem::OpenForReading(const std::string& path) {
  return std::make_unique<DiskFile>(path, DiskFile::Mode::read);
}

std::unique_ptr<CFile> DiskFileSystem::CreateForWriting(const std::string& path) {
  return std::make_unique<DiskFile>(path, DiskFile::Mode::create);
}

bool DiskFileSystem::Exists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

std::string DiskFileSystem::CreateTempFileIn(const std::string& folder) {
  auto seed =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  try {
    seed ^= std::random_device{}();
  } catch (...) {
    // the clock alone will do
  }
  std::mt19937_64 random(seed);
  // "C:" is the drive's current folder: a separator would mean its root.
  const bool joined =
      folder.empty() || folder.back() == '/' || folder.back() == '\\' || folder.back() == ':';
  const std::string prefix = joined ? folder : folder + "/";
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "zvk%08x.tmp", static_cast<unsigned>(random() & 0xFFFFFFFFu));
    std::string candidate = prefix + name;
    try {
      DiskFile(candidate, DiskFile::Mode::createNew).Close();
    } catch (const CFileException& e) {
      if (e.OsError() == EEXIST) continue;
      throw;
    }
    return candidate;
  }
  throw CFileException(CFileException::genericException, 0, folder);
}

void DiskFileSystem::Replace(const std::string& target, const std::string& replacement) {
  if (const int cause = RenameOver(replacement, target); cause != CFileException::none) {
    throw CFileException(cause, 0, target);
  }
}

bool DiskFileSystem::Delete(const std::string& path) { return std::remove(path.c_str()) == 0; }

std::string DiskFileSystem::FileTitle(const std::string& path) { return FileNameOf(path); }
