#pragma once
// The US English keyboard layout as Windows reports it (VkKeyScanA): the
// key in the low byte, 1 in the high byte when Shift is wanted, -1 for a
// character the layout lacks.

#include <cstdint>

std::int16_t UsEnglishKeyForChar(char c);
