#include "tools/zvk/macro_file.h"

#include <chrono>
#include <cstdio>
#include <random>

#include "storage/archive.h"
#include "storage/disk_file.h"
#include "storage/error_messages.h"
#include "storage/exceptions.h"
#include "storage/rename_over.h"
#include "tools/zvk/tool_error.h"

namespace {

ToolError FileError(const CFileException& e, const std::string& path) {
  return ToolError(kExitCannotOpen, FileErrorMessage(e.m_cause, path));
}

ToolError LoadError(const CArchiveException& e, const std::string& path) {
  if (e.m_cause == CArchiveException::endOfFile) {
    return ToolError(kExitEndOfFile, ArchiveErrorMessage(e.m_cause, path));
  }
  if (e.m_cause == CArchiveException::badIndex) {
    return ToolError(kExitBadFormat, ArchiveErrorMessage(e.m_cause, path) +
                                         "  It holds more than 50 submenus or more than 50 items in a "
                                         "submenu.");
  }
  return ToolError(kExitBadFormat, ArchiveErrorMessage(e.m_cause, path));
}

bool FileExists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

// A name beside target that no file has yet.
std::string UnusedNameBeside(const std::string& target) {
  std::uint64_t seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  try {
    seed ^= std::random_device{}();
  } catch (...) {
    // the clock alone will do
  }
  std::mt19937_64 random(seed);
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(random() & 0xFFFFFFFFu));
    std::string candidate = target + suffix;
    if (!FileExists(candidate)) return candidate;
  }
  throw ToolError(kExitCannotOpen, FileErrorMessage(CFileException::genericException, target));
}

// A missing folder is reported as a bad path, as Windows does, rather
// than as a file that was not found.
int CreateCause(int cause) {
  return cause == CFileException::fileNotFound ? CFileException::badPath : cause;
}

}  // namespace

std::int32_t LoadMacroFile(const std::string& path, CZorvakDoc& doc) {
  try {
    DiskFile file(path, DiskFile::Mode::read);
    if (file.GetLength() == 0) {
      doc.OnNewDocument();
      return kFileFormatVersion;
    }
    CArchive ar(file, CArchive::load);
    doc.Serialize(ar);
    return doc.LoadedVersion();
  } catch (const CFileException& e) {
    // Only the version check raises a file failure that names no file; it
    // has shown its message already.
    if (e.m_strFileName.empty()) throw ToolError(kExitVersionTooNew, "");
    throw FileError(e, path);
  } catch (const CArchiveException& e) {
    throw LoadError(e, path);
  }
}

void SaveMacroFile(const std::string& path, CZorvakDoc& doc) {
  const std::string temporary = UnusedNameBeside(path);
  bool created = false;
  try {
    DiskFile file(temporary, DiskFile::Mode::create);
    created = true;
    CArchive ar(file, CArchive::store);
    doc.Serialize(ar);
    ar.Close();
    file.Close();
    if (const int cause = RenameOver(temporary, path); cause != 0) {
      throw CFileException(cause, 0, path);
    }
  } catch (const CFileException& e) {
    if (created) std::remove(temporary.c_str());
    throw ToolError(kExitCannotOpen, FileErrorMessage(created ? e.m_cause : CreateCause(e.m_cause), path));
  } catch (const CArchiveException& e) {
    if (created) std::remove(temporary.c_str());
    throw ToolError(kExitBadFormat, ArchiveErrorMessage(e.m_cause, path));
  }
}

std::string ReadWholeFile(const std::string& path) {
  try {
    DiskFile file(path, DiskFile::Mode::read);
    std::string content;
    char buffer[65536];
    for (;;) {
      const std::size_t got = file.Read(buffer, sizeof buffer);
      if (got == 0) break;
      content.append(buffer, got);
    }
    return content;
  } catch (const CFileException& e) {
    throw FileError(e, path);
  }
}
