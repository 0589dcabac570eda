#include "storage/handle_file_win32.h"

#include <algorithm>

#include "storage/exceptions.h"

int FileCauseFromOsError(DWORD error) {
  switch (error) {
    case NO_ERROR:
      return CFileException::none;
    case ERROR_FILE_NOT_FOUND:
      return CFileException::fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
      return CFileException::badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
      return CFileException::tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
    case ERROR_NETWORK_ACCESS_DENIED:
      return CFileException::accessDenied;
    case ERROR_INVALID_HANDLE:
      return CFileException::invalidFile;
    case ERROR_CURRENT_DIRECTORY:
      return CFileException::removeCurrentDir;
    case ERROR_CANNOT_MAKE:
      return CFileException::directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE:
      return CFileException::badSeek;
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_CRC:
    case ERROR_GEN_FAILURE:
    case ERROR_NOT_READY:
    case ERROR_IO_DEVICE:
      return CFileException::hardIO;
    case ERROR_SHARING_VIOLATION:
      return CFileException::sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_DRIVE_LOCKED:
      return CFileException::lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return CFileException::diskFull;
    case ERROR_HANDLE_EOF:
      return CFileException::endOfFile;
    default:
      return CFileException::genericException;
  }
}

void ThrowFileError(DWORD error, const std::string& path) {
  throw CFileException(FileCauseFromOsError(error), static_cast<std::int32_t>(error), path);
}

HandleFile::HandleFile(const std::string& path, DWORD access, DWORD share, DWORD disposition)
    : path_(path) {
  handle_ = CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) ThrowFileError(GetLastError(), path_);
}

HandleFile::~HandleFile() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

void HandleFile::RequireOpen() const {
  if (handle_ == INVALID_HANDLE_VALUE) ThrowFileError(ERROR_INVALID_HANDLE, path_);
}

std::size_t HandleFile::Read(void* buffer, std::size_t count) {
  RequireOpen();
  auto* out = static_cast<char*>(buffer);
  std::size_t total = 0;
  while (total < count) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(handle_, out + total, want, &got, nullptr)) ThrowFileError(GetLastError(), path_);
    if (got == 0) break;  // the end of the file
    total += got;
  }
  return total;
}

void HandleFile::Write(const void* buffer, std::size_t count) {
  RequireOpen();
  const auto* in = static_cast<const char*>(buffer);
  std::size_t total = 0;
  while (total < count) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle_, in + total, want, &written, nullptr)) ThrowFileError(GetLastError(), path_);
    // Writing less than asked without an error: the disk is full.
    if (written == 0) ThrowFileError(ERROR_DISK_FULL, path_);
    total += written;
  }
}

void HandleFile::Flush() {
  RequireOpen();
  if (!FlushFileBuffers(handle_)) ThrowFileError(GetLastError(), path_);
}

void HandleFile::Close() {
  if (handle_ == INVALID_HANDLE_VALUE) return;
  const HANDLE handle = handle_;
  handle_ = INVALID_HANDLE_VALUE;
  if (!CloseHandle(handle)) ThrowFileError(GetLastError(), path_);
}

std::uint64_t HandleFile::GetLength() const {
  RequireOpen();
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle_, &size)) ThrowFileError(GetLastError(), path_);
  return static_cast<std::uint64_t>(size.QuadPart);
}

std::uint64_t HandleFile::GetPosition() const {
  RequireOpen();
  LARGE_INTEGER zero{};
  LARGE_INTEGER position{};
  if (!SetFilePointerEx(handle_, zero, &position, FILE_CURRENT)) ThrowFileError(GetLastError(), path_);
  return static_cast<std::uint64_t>(position.QuadPart);
}
