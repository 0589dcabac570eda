#include "storage/handle_file_win32.h"

#include <algorithm>

#include "storage/exceptions.h"

Win32HandleFile::Win32HandleFile(const std::string& path, DWORD access, DWORD share,
                                 DWORD disposition)
    : path_(path) {
  handle_ = CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) ThrowFileError(GetLastError(), path_);
}

Win32HandleFile::~Win32HandleFile() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
}

void Win32HandleFile::RequireOpen() const {
  if (handle_ == INVALID_HANDLE_VALUE) ThrowFileError(ERROR_INVALID_HANDLE, path_);
}

std::size_t Win32HandleFile::Read(void* buffer, std::size_t count) {
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

void Win32HandleFile::Write(const void* buffer, std::size_t count) {
  RequireOpen();
  const auto* in = static_cast<const char*>(buffer);
  std::size_t total = 0;
  while (total < count) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle_, in + total, want, &written, nullptr))
      ThrowFileError(GetLastError(), path_);
    // Writing less than asked without an error: the disk is full.
    if (written == 0) ThrowFileError(ERROR_DISK_FULL, path_);
    total += written;
  }
}

void Win32HandleFile::Flush() {
  RequireOpen();
  if (!FlushFileBuffers(handle_)) ThrowFileError(GetLastError(), path_);
}

void Win32HandleFile::Close() {
  if (handle_ == INVALID_HANDLE_VALUE) return;
  const HANDLE handle = handle_;
  handle_ = INVALID_HANDLE_VALUE;
  if (!CloseHandle(handle)) ThrowFileError(GetLastError(), path_);
}

std::uint64_t Win32HandleFile::GetLength() const {
  RequireOpen();
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle_, &size)) ThrowFileError(GetLastError(), path_);
  return static_cast<std::uint64_t>(size.QuadPart);
}

std::uint64_t Win32HandleFile::GetPosition() const {
  RequireOpen();
  LARGE_INTEGER zero{};
  LARGE_INTEGER position{};
  if (!SetFilePointerEx(handle_, zero, &position, FILE_CURRENT))
    ThrowFileError(GetLastError(), path_);
  return static_cast<std::uint64_t>(position.QuadPart);
}
