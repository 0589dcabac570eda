#pragma once
// How the program's documents are named to the user and to the shell.

#include <string>
#include <utility>
#include <vector>

inline constexpr const char* kUntitled = "Untitled";
inline constexpr const char* kDocumentExtension = ".zvk";
inline constexpr const char* kDefaultExtension = "zvk";  // for the file dialogs
inline constexpr const char* kFileTypeId = "Zorvakomat.Document";
inline constexpr const char* kFileTypeName = "Zorvakomat Document";

// The file dialogs' filter: the program's files first, then all files.
inline std::vector<std::pair<std::string, std::string>> DocumentFilters() {
  return {{"Zorvakomat Files (*.zvk)", "*.zvk"}, {"All Files (*.*)", "*.*"}};
}
