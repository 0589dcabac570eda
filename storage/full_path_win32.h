#pragma once
// The full path of a file as Windows resolves it.

#include <string>

// The full path of a possibly relative one; unchanged where Windows cannot
// resolve it.
std::string FullPathOf(const std::string& path);
