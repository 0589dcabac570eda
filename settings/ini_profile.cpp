#include "settings/ini_profile.h"

#include <exception>
#include <memory>
#include <stdexcept>

#include "storage/ascii_case.h"
#include "storage/legacy_code_page.h"
#include "storage/safe_save.h"
#include "storage/utf8.h"

namespace {

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsNote(const std::string& line) { return line.empty() || line[0] == ';' || line[0] == '#'; }

bool IsHeader(const std::string& line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// The section a header line names.
std::string HeaderName(const std::string& line) { return Trimmed(line.substr(1, line.size() - 2)); }

std::string EntryName(const std::string& line) { return Trimmed(line.substr(0, line.find('='))); }

}  // namespace

IniProfile::IniProfile(FileSystemPort& files, std::string path)
    : files_(files), path_(std::move(path)) {
  Read();
  if (writable_ && !Write()) {
    problem_ = "The settings file " + path_ +
               " cannot be written, so the settings changed from now on (the recent files) "
               "are not kept.";
  }
}

void IniProfile::Read() {
  std::string text;
  try {
    const std::unique_ptr<CFile> file = files_.OpenForReading(path_);
    char block[4096];
    while (const std::size_t got = file->Read(block, sizeof block)) {
      if (text.size() + got > kMaxBytes) throw std::length_error("too long");
      text.append(block, got);
    }
  } catch (...) {
    writable_ = false;
    problem_ = "The settings file " + path_ +
               " cannot be read, so Zorvakomat starts with its default settings and leaves the "
               "file as it is.";
    return;
  }
  // The program keeps its settings in UTF-8; a file that is not UTF-8 was
  // written by an older version, in the legacy code page.
  if (!IsUtf8(text)) text = LegacyToUtf8(text);
  std::size_t start = 0;
  int number = 0;
  bool inSection = false;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start = end + 1;
    ++number;
    const std::string trimmed = Trimmed(line);
    const bool entry =
        inSection && trimmed.find('=') != std::string::npos && !EntryName(trimmed).empty();
    inSection = inSection || IsHeader(trimmed);
    if (line.find('\0') != std::string::npos || !(IsNote(trimmed) || IsHeader(trimmed) || entry)) {
      lines_.clear();
      writable_ = false;
      problem_ = "The settings file " + path_ + " is damaged (line " + std::to_string(number) +
                 " is no setting), so Zorvakomat starts with its default settings and leaves "
                 "the file as it is.";
      return;
    }
    lines_.push_back(trimmed);
  }
}

bool IniProfile::Write() {
  if (!writable_) return false;
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  try {
    SaveFileSafely(
        files_, path_,
        [&text](CFile& file) {
          file.Write(text.data(), text.size());
          file.Flush();
        },
        false);
  } catch (...) {
    return false;
  }
  return true;
}

std::size_t IniProfile::Find(const std::string& section, const std::string& entry) const {
  bool inside = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::string& line = lines_[i];
    if (IsHeader(line)) {
      if (inside) return std::string::npos;  // the section ended
      inside = EqualsIgnoringCase(HeaderName(line), section);
      if (inside && entry.empty()) return i;
    } else if (inside && !IsNote(line) && EqualsIgnoringCase(EntryName(line), entry)) {
      return i;
    }
  }
  return std::string::npos;
}

std::string IniProfile::ReadString(const std::string& section, const std::string& entry,
                                   const std::string& defaultValue) {
  const std::size_t line = Find(section, entry);
  if (line == std::string::npos) return defaultValue;
  return Trimmed(lines_[line].substr(lines_[line].find('=') + 1));
}

bool IniProfile::WriteString(const std::string& section, const std::string& entry,
                             const std::string& value) {
  // A line break would make a line of its own.
  if (!writable_ || value.find_first_of("\r\n") != std::string::npos) return false;
  const std::string line = entry + "=" + value;
  if (const std::size_t found = Find(section, entry); found != std::string::npos) {
    lines_[found] = line;
  } else if (Find(section, {}) == std::string::npos) {
    lines_.push_back("[" + section + "]");
    lines_.push_back(line);
  } else {
    // After the section's last entry (its header is found first, then the
    // line where the next section starts).
    std::size_t at = Find(section, {}) + 1;
    while (at < lines_.size() && !IsHeader(lines_[at])) ++at;
    while (at > 0 && IsNote(lines_[at - 1]) && !IsHeader(lines_[at - 1])) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
  }
  return Write();
}

bool IniProfile::DeleteValue(const std::string& section, const std::string& entry) {
  const std::size_t found = Find(section, entry);
  if (found == std::string::npos) return true;
  if (!writable_) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(found));
  return Write();
}
