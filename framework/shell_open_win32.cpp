#include "framework/shell_open_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/help_page_location.h"
#include "storage/file_path.h"

namespace {

std::string ExecutableDirectory() {
  char path[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return {};
  return FolderOf(std::string(path, length));
}

std::string CurrentDirectory() {
  char path[MAX_PATH * 4];
  const DWORD length = GetCurrentDirectoryA(sizeof path, path);
  if (length == 0 || length >= sizeof path) return {};
  return std::string(path, length);
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void ShellOpen(const std::string& target) {
  // As with the "start" command, a failure gives no message.
  ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

void Win32ShellOpen::OpenHelpPage(const std::string& fileName) {
  ShellOpen(LocateHelpPage(fileName, ExecutableDirectory(), CurrentDirectory(), FileExists));
}

void Win32ShellOpen::OpenAddress(const std::string& address) { ShellOpen(address); }
