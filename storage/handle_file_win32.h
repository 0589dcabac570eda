#pragma once
// A file on disk through a Windows file handle. The handle is closed
// exactly once; every failure is thrown as a CFileException naming the
// file, with the cause that matches the Windows error.

#include <windows.h>

#include <string>

#include "storage/file.h"
#include "storage/os_error_win32.h"

class Win32HandleFile : public CFile {
 public:
  // CreateFileA with these access, sharing and creation arguments.
  Win32HandleFile(const std::string& path, DWORD access, DWORD share, DWORD disposition);
  // A file still open here is closed without a word: the failure that
  // brought us here is the one the user hears about.
  ~Win32HandleFile() override;

  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  void Flush() override;
  void Close() override;
  std::uint64_t GetLength() const override;
  std::uint64_t GetPosition() const override;

 private:
  void RequireOpen() const;

  HANDLE handle_ = INVALID_HANDLE_VALUE;
  std::string path_;
};
