#pragma once
// Comparing texts the way file names and token names are compared.

#include <string_view>

// Whole-text comparison that ignores the case of ASCII letters only.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
