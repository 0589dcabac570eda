#pragma once
// Reading and writing single registry values through keys that close
// themselves. A value that is missing is told apart from one that exists.

#include <windows.h>

#include <optional>
#include <string>

#include "framework/handles_win32.h"

// The key for reading, or an empty key when it does not exist.
UniqueRegKey OpenRegKey(HKEY root, const std::string& path);
// The key for writing, made with the keys above it when missing.
UniqueRegKey CreateRegKey(HKEY root, const std::string& path);

// A string value (name "" is the key's default value); nothing when the
// key or value is missing, is not a string, or is implausibly large.
std::optional<std::string> ReadRegString(HKEY root, const std::string& path,
                                         const std::string& name);
bool WriteRegString(HKEY root, const std::string& path, const std::string& name,
                    const std::string& value);
