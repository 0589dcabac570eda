#pragma once
// The parts of a file path, with either separator.

#include <string>

// The last part of a path: "a.zvk" for C:\dir\a.zvk, C:a.zvk or dir/a.zvk.
std::string FileNameOf(const std::string& path);

// The folder that holds a file: C:\dir for C:\dir\a.zvk, the root with its
// separator for a file at the root (C:\), "." for a bare name.
std::string FolderOf(const std::string& path);

// folder joined with name by a backslash, unless folder is empty or already
// ends in a separator.
std::string JoinPath(const std::string& folder, const std::string& name);
