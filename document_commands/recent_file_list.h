#pragma once
// The list of recently used documents: full paths, most recent first, at
// most four. It is read from the profile at start-up and written back at
// exit; the File menu shows it with numbers.

#include <string>
#include <vector>

#include "settings/profile.h"
#include "storage/file_system.h"

class CRecentFileList {
 public:
  static constexpr int kSize = 4;
  static constexpr std::size_t kMaxDisplayLength = 30;
  static constexpr const char* kSection = "Recent File List";

  // Puts path at the top, removing an older copy of it (file names are
  // compared without regard to letter case); the oldest entry beyond four
  // falls off.
  void Add(const std::string& path);
  // Removes the entry for path, wherever it now stands; false if absent.
  bool Remove(const std::string& path);

  int GetSize() const { return static_cast<int>(entries_.size()); }
  const std::string& operator[](int index) const { return entries_.at(index); }

  // Values "File1" .. "File4" of the section; empty values are skipped.
  void ReadList(ProfilePort& profile);
  // Writes every entry and removes the values of the numbers not in use,
  // so that an entry removed during the run does not come back.
  void WriteList(ProfilePort& profile) const;

  // The File menu's texts: "&1 " and the path abbreviated to 30 characters,
  // its file name as the system shows it; "&" in a name is doubled.
  std::vector<std::string> MenuTexts(FileSystemPort& files) const;

 private:
  std::vector<std::string> entries_;
};
