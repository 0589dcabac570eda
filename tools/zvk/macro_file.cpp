#include "tools/zvk/macro_file.h"

#include "document_commands/document_file.h"
#include "storage/disk_file.h"
#include "storage/disk_file_system.h"
#include "storage/error_messages.h"
#include "storage/exceptions.h"
#include "tools/zvk/tool_error.h"

namespace {

ToolError FileError(const CFileException& e, const std::string& path) {
  return ToolError(kExitCannotOpen, FileErrorMessage(e.Cause(), path));
}

ToolError ArchiveError(const CArchiveException& e, const std::string& path) {
  if (e.Cause() == CArchiveException::endOfFile) {
    return ToolError(kExitEndOfFile, ArchiveErrorMessage(e.Cause(), path));
  }
  if (e.Cause() == CArchiveException::badIndex) {
    return ToolError(kExitBadFormat,
                     ArchiveErrorMessage(e.Cause(), path) +
                         "  It holds more than 50 submenus or more than 50 items in a "
                         "submenu.");
  }
  return ToolError(kExitBadFormat, ArchiveErrorMessage(e.Cause(), path));
}

}  // namespace

std::int32_t LoadMacroFile(const std::string& path, CZorvakDoc& doc) {
  DiskFileSystem files;
  try {
    LoadDocumentFile(files, path, doc, EmptyFile::emptyDocument);
  } catch (const CNewerVersionException& e) {
    throw ToolError(kExitVersionTooNew, e.Notice());
  } catch (const CFileException& e) {
    throw FileError(e, path);
  } catch (const CArchiveException& e) {
    throw ArchiveError(e, path);
  }
  return doc.LoadedVersion();
}

void SaveMacroFile(const std::string& path, CZorvakDoc& doc) {
  DiskFileSystem files;
  try {
    SaveDocumentFile(files, path, doc, /*discardIncomplete=*/true);
  } catch (const CTempFileException& e) {
    throw ToolError(kExitCannotOpen, TempFileErrorMessage(path, e.FileName()));
  } catch (const CFileException& e) {
    throw FileError(e, path);
  } catch (const CArchiveException& e) {
    throw ArchiveError(e, path);
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
