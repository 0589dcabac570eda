// On Windows the C runtime's rename refuses an existing target, so the
// file is moved with MoveFileEx, which replaces it.
#include <windows.h>

#include "storage/exceptions.h"
#include "storage/rename_over.h"

int RenameOver(const std::string& from, const std::string& to) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND: return CFileException::fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME: return CFileException::badPath;
    case ERROR_ACCESS_DENIED: return CFileException::accessDenied;
    case ERROR_SHARING_VIOLATION: return CFileException::sharingViolation;
    case ERROR_LOCK_VIOLATION: return CFileException::lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return CFileException::diskFull;
    default: return CFileException::genericException;
  }
}
