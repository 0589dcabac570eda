#include "safety/zone_mark.h"

#include <memory>

#include "playback/token_text.h"
#include "storage/ascii_case.h"
#include "storage/exceptions.h"

namespace {

// A mark is a few lines; more than this is not read (a file claiming to be
// longer is no reason to allocate more).
constexpr std::size_t kMarkLimit = 4096;

constexpr std::string_view kZoneIdKey = "ZoneId=";

}  // namespace

std::optional<int> ZoneIdOf(std::string_view markText) {
  std::size_t start = 0;
  while (start < markText.size()) {
    std::size_t end = markText.find('\n', start);
    if (end == std::string_view::npos) end = markText.size();
    std::string_view line = markText.substr(start, end - start);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.size() > kZoneIdKey.size() &&
        EqualsIgnoringCase(line.substr(0, kZoneIdKey.size()), kZoneIdKey)) {
      const std::string_view value = line.substr(kZoneIdKey.size());
      if (!value.empty() && value.front() >= '0' && value.front() <= '9') return ReadNumber(value);
    }
    start = end + 1;
  }
  return std::nullopt;
}

bool CameFromTheInternet(FileSystemPort& files, const std::string& path) {
  const std::string markPath = path + ":Zone.Identifier";
  std::string text(kMarkLimit, '\0');
  try {
    if (path.empty() || !files.Exists(markPath)) return false;
    const std::unique_ptr<CFile> mark = files.OpenForReading(markPath);
    text.resize(mark->Read(text.data(), text.size()));
  } catch (const CFileException&) {
    return false;
  }
  // A mark written as UTF-16 reads the same without its zero bytes.
  std::erase(text, '\0');
  const std::optional<int> zone = ZoneIdOf(text);
  return zone == 3 || zone == 4;
}
