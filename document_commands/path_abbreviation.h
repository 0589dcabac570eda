#pragma once
// Shortening a path for a menu: the folders nearest the root give way to
// "\..." until the rest fits, e.g. C:\...\Macros\work.zvk.

#include <cstddef>
#include <string>

// path as it is when it fits in maxLength characters; otherwise the volume
// (C: or \\server\share), "\..." and as many of the last folders as fit,
// always ending with the whole file name; the file name alone when not
// even that fits.
std::string AbbreviatePath(const std::string& path, std::size_t maxLength);
