#pragma once
// Texts given on the command line (what zvk trace runs and answers) as the
// program's 8-bit text. On Windows the C runtime hands them over in the
// system's code page, the program's own; elsewhere they are UTF-8 and are
// converted to Windows-1252.

#include <string>

// what names the argument in the message of a usage error.
std::string CommandLineText(const std::string& argument, const std::string& what);
