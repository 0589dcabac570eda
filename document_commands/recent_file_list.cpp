#include "document_commands/recent_file_list.h"

#include <algorithm>

#include "document_commands/path_abbreviation.h"
#include "storage/ascii_case.h"
#include "storage/file_path.h"

namespace {

std::string EntryName(int number) { return "File" + std::to_string(number); }

std::string DoubleAmpersands(const std::string& text) {
  std::string out;
  for (const char c : text) {
    out += c;
    if (c == '&') out += '&';
  }
  return out;
}

}  // namespace

void CRecentFileList::Add(const std::string& path) {
  Remove(path);
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > static_cast<std::size_t>(kSize)) entries_.resize(kSize);
}

bool CRecentFileList::Remove(const std::string& path) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const std::string& entry) {
    return EqualsIgnoringCase(entry, path);
  });
  if (found == entries_.end()) return false;
  entries_.erase(found);
  return true;
}

void CRecentFileList::ReadList(ProfilePort& profile) {
  entries_.clear();
  for (int number = 1; number <= kSize; ++number) {
    const std::string path = profile.ReadString(kSection, EntryName(number));
    if (path.empty()) continue;
    if (std::none_of(entries_.begin(), entries_.end(),
                     [&](const std::string& entry) { return EqualsIgnoringCase(entry, path); })) {
      entries_.push_back(path);
    }
  }
}

void CRecentFileList::WriteList(ProfilePort& profile) const {
  for (int number = 1; number <= kSize; ++number) {
    if (number <= GetSize()) {
      profile.WriteString(kSection, EntryName(number), entries_[number - 1]);
    } else {
      profile.DeleteValue(kSection, EntryName(number));
    }
  }
}

std::vector<std::string> CRecentFileList::MenuTexts(FileSystemPort& files) const {
  std::vector<std::string> texts;
  for (int i = 0; i < GetSize(); ++i) {
    const std::string& path = entries_[i];
    // The folders as they are, the name as the system shows it.
    const std::string folder = path.substr(0, path.size() - FileNameOf(path).size());
    const std::string shown = AbbreviatePath(folder + files.FileTitle(path), kMaxDisplayLength);
    texts.push_back("&" + std::to_string(i + 1) + " " + DoubleAmpersands(shown));
  }
  return texts;
}
