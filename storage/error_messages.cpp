#include "storage/error_messages.h"

#include <array>

const char* const kUnnamedFile = "an unnamed file";

namespace {

constexpr std::array<const char*, 15> kFileErrors = {
    "No error occurred.",
    "An unknown error occurred while accessing %1.",
    "%1 was not found.",
    "%1 contains an invalid path.",
    "%1 could not be opened because there are too many open files.",
    "Access to %1 was denied.",
    "An invalid file handle was associated with %1.",
    "%1 could not be removed because it is the current directory.",
    "%1 could not be created because the directory is full.",
    "Seek failed on %1",
    "A hardware I/O error was reported while accessing %1.",
    "A sharing violation occurred while accessing %1.",
    "A locking violation occurred while accessing %1.",
    "Disk full while accessing %1.",
    "An attempt was made to access %1 past its end.",
};

constexpr std::array<const char*, 8> kArchiveErrors = {
    "No error occurred.",
    "An unknown error occurred while accessing %1.",
    "An attempt was made to write to the reading %1.",
    "An attempt was made to access %1 past its end.",
    "An attempt was made to read from the writing %1.",
    "%1 has a bad format.",
    "%1 contained an unexpected object.",
    "%1 contains an incorrect schema.",
};

template <std::size_t N>
std::string Lookup(const std::array<const char*, N>& table, int cause, const std::string& name) {
  // A cause outside the table is reported as the generic failure.
  const std::size_t index = cause >= 0 && static_cast<std::size_t>(cause) < N ? cause : 1;
  return FormatMessage1(table[index], name.empty() ? kUnnamedFile : name);
}

}  // namespace

std::string FormatMessage1(const std::string& pattern, const std::string& value) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == '1') {
      out += value;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string FileErrorMessage(int cause, const std::string& fileName) {
  return Lookup(kFileErrors, cause, fileName);
}

std::string ArchiveErrorMessage(int cause, const std::string& fileName) {
  return Lookup(kArchiveErrors, cause, fileName);
}

std::string TempFileErrorMessage(const std::string& path, const std::string& folder) {
  const std::string where =
      folder == "." ? std::string("the current folder") : "the folder " + folder;
  return path + " could not be saved because no temporary file can be created in " + where + ".";
}

std::string MessageOf(const CFileException& e) { return FileErrorMessage(e.Cause(), e.FileName()); }

std::string MessageOf(const CArchiveException& e) {
  return ArchiveErrorMessage(e.Cause(), e.FileName());
}
