#pragma once
// Text helpers of the token interpreter.

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/ascii_case.h"

// The argument of a prefixed token: the whole token with every "[", every
// marker character and every "]" deleted, wherever they stand.
std::string StripArgument(std::string_view token, char marker);

// The C library's atoi rule: leading white space, an optional sign, then
// decimal digits up to the first other character; no digits give 0. A
// number too large for 32 bits is held at the nearest limit.
std::int32_t ReadNumber(std::string_view text);

// The variable number of a "%" or "&" argument: its first character when
// that is a digit, otherwise 0.
int VariableNumber(std::string_view argument);
