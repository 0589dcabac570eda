#include "framework/help_page_location.h"

#include "storage/file_path.h"

std::optional<std::string> HelpPagePath(const std::string& fileName,
                                        const std::string& programFolder) {
  if (programFolder.empty()) return std::nullopt;
  return JoinPath(programFolder, fileName);
}
