#pragma once
// Comparing texts the way file names and token names are compared.

#include <string_view>

// An ASCII letter in upper case; every other byte as it is.
char UpperAscii(char c);

// Whole-text comparison that ignores the case of ASCII letters only.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
