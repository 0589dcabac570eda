#pragma once
// The file type the program registers with the shell at every start, so
// that opening a ".zvk" file starts the program with the file's path.

#include <optional>
#include <string>

// The open command for the program at exePath: the path, a blank and "%1"
// in double quotes. A path with a blank in it is quoted too, or the shell
// would cut the command at the blank.
std::string ShellOpenCommand(const std::string& exePath);

// Whether ".zvk" may be pointed at the program's file type: not when it is
// already registered to another type.
bool ShouldClaimExtension(const std::optional<std::string>& currentType);
