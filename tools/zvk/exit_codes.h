#pragma once
// The exit statuses of the zvk tool.

enum ExitCode : int {
  kExitSuccess = 0,
  kExitUsage = 1,          // the command line is wrong
  kExitCannotOpen = 2,     // a file cannot be opened, read, created or written
  kExitVersionTooNew = 3,  // the file was written by a newer version
  kExitEndOfFile = 4,      // the file ends too early
  kExitBadFormat = 5,      // the input is outside the macro file format
};
