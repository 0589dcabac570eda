#include "storage/file_path.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string FileNameOf(const std::string& path) {
  const auto cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderOf(const std::string& path) {
  const auto cut = path.find_last_of("\\/");
  if (cut == std::string::npos) {
    // "C:a.zvk" lies in the drive's current folder.
    return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : ".";
  }
  // A file at the root keeps the root's separator: "C:" alone would mean
  // the drive's current folder, "" the current one.
  const bool atRoot = cut == 0 || (cut == 2 && path[1] == ':');
  return path.substr(0, atRoot ? cut + 1 : cut);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (IsSeparator(folder.back())) return folder + name;
  return folder + "\\" + name;
}
