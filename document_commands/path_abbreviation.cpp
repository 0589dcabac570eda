#include "document_commands/path_abbreviation.h"

#include "storage/utf8.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Length of the volume at the start of path: "C:" or "\\server\share".
std::size_t VolumeLength(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return 2;
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    std::size_t separators = 0;
    for (std::size_t i = 2; i < path.size(); ++i) {
      if (IsSeparator(path[i]) && ++separators == 2) return i;
    }
    return path.size();
  }
  return 0;
}

}  // namespace

std::string AbbreviatePath(const std::string& path, std::size_t maxLength) {
  if (Utf8Length(path) <= maxLength) return path;
  const auto lastSeparator = path.find_last_of("\\/");
  const std::size_t nameStart = lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
  std::string name = path.substr(nameStart);
  if (Utf8Length(name) > maxLength || nameStart == 0) return name;

  const std::size_t volume = VolumeLength(path);
  // The root's own separator is kept in "\..."; every later separator is a
  // place where the rest of the path may start.
  for (std::size_t i = volume + 1; i < nameStart; ++i) {
    if (!IsSeparator(path[i])) continue;
    std::string shortened = path.substr(0, volume) + "\\..." + path.substr(i);
    if (Utf8Length(shortened) <= maxLength) return shortened;
  }
  return name;
}
