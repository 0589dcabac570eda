#pragma once
// Texts given on the command line (what zvk trace runs and answers) as the
// program's text, UTF-8: on Windows the C runtime hands them over in the
// process's code page, which the manifest makes UTF-8; elsewhere they must
// be UTF-8 already.

#include <string>

// what names the argument in the message of a usage error.
std::string CommandLineText(const std::string& argument, const std::string& what);
