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

void ShellOpen(const std::string& target) {
  // As with the "start" command, a failure gives no message.
  ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

void Win32ShellOpen::OpenHelpPage(const std::string& fileName) {
  // A page missing from the program's folder is looked for nowhere else.
  if (const auto page = HelpPagePath(fileName, ExecutableDirectory())) ShellOpen(*page);
}

void Win32ShellOpen::OpenAddress(const std::string& address) { ShellOpen(address); }
