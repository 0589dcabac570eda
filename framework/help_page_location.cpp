#include "framework/help_page_location.h"

#include "storage/file_path.h"

std::string LocateHelpPage(const std::string& fileName, const std::string& executableDir,
                           const std::string& currentDir,
                           const std::function<bool(const std::string&)>& fileExists) {
  if (!executableDir.empty()) {
    std::string besideProgram = JoinPath(executableDir, fileName);
    if (fileExists(besideProgram)) return besideProgram;
  }
  return JoinPath(currentDir, fileName);
}
