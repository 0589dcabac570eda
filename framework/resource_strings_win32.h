#pragma once
// Texts of the program's string table.

#include <string>

// The string with that id, or empty when there is none.
std::string LoadResourceString(unsigned id);
