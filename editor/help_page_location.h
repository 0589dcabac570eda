#pragma once
// Where a help page is looked for: next to the program first, then in the
// current directory (a program started from a document runs in that
// document's folder).

#include <functional>
#include <string>

// dir joined with name by a backslash; name alone when dir is empty.
std::string JoinWindowsPath(const std::string& dir, const std::string& name);

// The first of programDir\name and currentDir\name that exists; the bare
// name when neither does (the shell then reports nothing either way).
std::string LocateHelpPage(const std::string& name, const std::string& programDir,
                           const std::string& currentDir,
                           const std::function<bool(const std::string&)>& fileExists);
