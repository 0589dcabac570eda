#include "storage/file_system_win32.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "storage/exceptions.h"
#include "storage/file_path.h"
#include "storage/full_path_win32.h"
#include "storage/handle_file_win32.h"
#include "storage/rename_over.h"

std::unique_ptr<CFile> Win32FileSystem::OpenForReading(const std::string& path) {
  return std::make_unique<Win32HandleFile>(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
}

std::unique_ptr<CFile> Win32FileSystem::CreateForWriting(const std::string& path) {
  return std::make_unique<Win32HandleFile>(path, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
}

bool Win32FileSystem::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Win32FileSystem::CreateTempFileIn(const std::string& folder) {
  char path[MAX_PATH];
  const UINT made = GetTempFileNameA(folder.c_str(), "zvk", 0, path);
  // Wine 8.0 answers with a name even when it could not make the file
  // (in a folder where no file can be made): only a file that is there
  // counts.
  if (made == 0 || GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    ThrowFileError(error != NO_ERROR ? error : ERROR_ACCESS_DENIED, folder);
  }
  return path;
}

void Win32FileSystem::Replace(const std::string& target, const std::string& replacement) {
  // A read-only file is not to be written: Windows refuses to rename over
  // it, but not every system that runs this program does.
  const DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    ThrowFileError(ERROR_ACCESS_DENIED, target);
  }
  // One step within the folder: the old file is either still there or
  // already replaced, never half of each; it keeps its attributes and
  // security.
  if (const int cause = RenameOver(replacement, target); cause != CFileException::none) {
    throw CFileException(cause, 0, target);
  }
}

bool Win32FileSystem::Delete(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::string Win32FileSystem::FileTitle(const std::string& path) {
  std::vector<char> title(MAX_PATH);
  short result = GetFileTitleA(path.c_str(), title.data(), static_cast<WORD>(title.size()));
  if (result > 0) {  // the size it needs, within what a WORD can say
    title.resize(static_cast<std::size_t>(result));
    result = GetFileTitleA(path.c_str(), title.data(), static_cast<WORD>(title.size()));
  }
  if (result == 0) return title.data();
  return FileNameOf(path);
}

std::string Win32FileSystem::FullPath(const std::string& path) { return FullPathOf(path); }
