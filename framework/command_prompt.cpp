#include "framework/command_prompt.h"

#include "framework/app_name.h"

std::string CommandPrompt(const std::string& commandString) {
  return commandString.substr(0, commandString.find('\n'));
}

std::string CommandTooltip(const std::string& commandString) {
  const std::size_t newline = commandString.find('\n');
  return newline == std::string::npos ? std::string() : commandString.substr(newline + 1);
}

std::string FrameCaption(const std::string& documentTitle) {
  if (documentTitle.empty()) return kAppName;
  return documentTitle + " - " + kAppName;
}
