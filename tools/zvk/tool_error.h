#pragma once
// A failure of a zvk command: the exit status and the message for stderr
// (empty when the message has been shown already).

#include <stdexcept>
#include <string>

#include "tools/zvk/exit_codes.h"

class ToolError : public std::runtime_error {
 public:
  ToolError(ExitCode code, const std::string& message) : std::runtime_error(message), code_(code) {}
  ExitCode Code() const { return code_; }

 private:
  ExitCode code_;
};
