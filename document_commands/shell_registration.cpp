#include "document_commands/shell_registration.h"

#include "document_commands/document_type.h"

std::string ShellOpenCommand(const std::string& exePath) {
  const bool needsQuotes = exePath.find(' ') != std::string::npos && exePath.front() != '"';
  return (needsQuotes ? "\"" + exePath + "\"" : exePath) + " \"%1\"";
}

bool ShouldClaimExtension(const std::optional<std::string>& currentType) {
  return !currentType || currentType->empty() || *currentType == kFileTypeId;
}
