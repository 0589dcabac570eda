#pragma once
// The tool's usage text.

#include <string>

std::string UsageText();
