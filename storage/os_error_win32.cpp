#include "storage/os_error_win32.h"

#include "storage/exceptions.h"

int FileCauseFromOsError(DWORD error) {
  struct Cause {
    DWORD error;
    int cause;
  };
  static constexpr Cause kCauses[] = {{NO_ERROR, CFileException::none},
                                      {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
                                      {ERROR_PATH_NOT_FOUND, CFileException::badPath},
                                      {ERROR_INVALID_DRIVE, CFileException::badPath},
                                      {ERROR_BAD_NETPATH, CFileException::badPath},
                                      {ERROR_BAD_NET_NAME, CFileException::badPath},
                                      {ERROR_INVALID_NAME, CFileException::badPath},
                                      {ERROR_BAD_PATHNAME, CFileException::badPath},
                                      {ERROR_FILENAME_EXCED_RANGE, CFileException::badPath},
                                      {ERROR_DIRECTORY, CFileException::badPath},
                                      {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
                                      {ERROR_ACCESS_DENIED, CFileException::accessDenied},
                                      {ERROR_WRITE_PROTECT, CFileException::accessDenied},
                                      {ERROR_FILE_EXISTS, CFileException::accessDenied},
                                      {ERROR_ALREADY_EXISTS, CFileException::accessDenied},
                                      {ERROR_NETWORK_ACCESS_DENIED, CFileException::accessDenied},
                                      {ERROR_INVALID_HANDLE, CFileException::invalidFile},
                                      {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
                                      {ERROR_CANNOT_MAKE, CFileException::directoryFull},
                                      {ERROR_SEEK, CFileException::badSeek},
                                      {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
                                      {ERROR_SEEK_ON_DEVICE, CFileException::badSeek},
                                      {ERROR_WRITE_FAULT, CFileException::hardIO},
                                      {ERROR_READ_FAULT, CFileException::hardIO},
                                      {ERROR_CRC, CFileException::hardIO},
                                      {ERROR_GEN_FAILURE, CFileException::hardIO},
                                      {ERROR_NOT_READY, CFileException::hardIO},
                                      {ERROR_IO_DEVICE, CFileException::hardIO},
                                      {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
                                      {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
                                      {ERROR_DRIVE_LOCKED, CFileException::lockViolation},
                                      {ERROR_DISK_FULL, CFileException::diskFull},
                                      {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
                                      {ERROR_HANDLE_EOF, CFileException::endOfFile}};
  for (const Cause& row : kCauses) {
    if (row.error == error) return row.cause;
  }
  return CFileException::genericException;
}

void ThrowFileError(DWORD error, const std::string& path) {
  throw CFileException(FileCauseFromOsError(error), static_cast<std::int32_t>(error), path);
}
