#include "editor/help_page_location.h"

std::string JoinWindowsPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  const char last = dir.back();
  if (last == '\\' || last == '/') return dir + name;
  return dir + '\\' + name;
}

std::string LocateHelpPage(const std::string& name, const std::string& programDir,
                           const std::string& currentDir,
                           const std::function<bool(const std::string&)>& fileExists) {
  for (const std::string* dir : {&programDir, &currentDir}) {
    if (dir->empty()) continue;
    std::string path = JoinWindowsPath(*dir, name);
    if (fileExists(path)) return path;
  }
  return name;
}
