#include "framework/help_page_location.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  if (IsSeparator(dir.back())) return dir + name;
  return dir + "\\" + name;
}

std::string LocateHelpPage(const std::string& fileName, const std::string& executableDir,
                           const std::string& currentDir,
                           const std::function<bool(const std::string&)>& fileExists) {
  if (!executableDir.empty()) {
    const std::string besideProgram = JoinPath(executableDir, fileName);
    if (fileExists(besideProgram)) return besideProgram;
  }
  return JoinPath(currentDir, fileName);
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t last = path.find_last_of("\\/");
  return last == std::string::npos ? std::string() : path.substr(0, last);
}
