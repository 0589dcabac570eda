#pragma once
// The settings of the portable program: a text file of "[Section]" lines
// and "Entry=Value" lines under them, as the registry's keys and values
// would hold them (names in any letter case; blank lines and lines that
// begin with ";" or "#" are the user's notes and stay as they are).
//
// Every change writes the whole file safely (a failed write leaves the
// file as it was). A file that cannot be read, or is not such a text,
// gives the default settings and is never written; one that cannot be
// written keeps the program running with what it read. Problem() then
// says so, for the status bar.

#include <cstddef>
#include <string>
#include <vector>

#include "settings/profile.h"
#include "storage/file_system.h"

// The file whose presence beside the program makes it portable: its
// settings are kept there, nothing goes into the registry, and no file
// type is registered.
inline constexpr const char* kPortableSettingsFile = "Zorvakomat.ini";

class IniProfile : public ProfilePort {
 public:
  // Reads the file at path (a full path) and tries to write it back, to
  // find out at once whether changes can be kept.
  IniProfile(FileSystemPort& files, std::string path);

  std::string ReadString(const std::string& section, const std::string& entry,
                         const std::string& defaultValue = {}) override;
  bool WriteString(const std::string& section, const std::string& entry,
                   const std::string& value) override;
  bool DeleteValue(const std::string& section, const std::string& entry) override;

  // What the status bar is to say about the file; empty when all is well.
  const std::string& Problem() const { return problem_; }

  // The longest file read: a settings file is a few hundred bytes.
  static constexpr std::size_t kMaxBytes = 1u << 20;

 private:
  // The line of the entry in the section, or of the section's header
  // (entry empty); npos when there is none.
  std::size_t Find(const std::string& section, const std::string& entry) const;
  void Read();
  bool Write();

  FileSystemPort& files_;
  std::string path_;
  std::vector<std::string> lines_;
  bool writable_ = true;
  std::string problem_;
};
