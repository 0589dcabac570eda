#pragma once
// One line of text per recorded effect, as the zvk trace command prints
// them:
//   down XX / up XX            a key press / release (hex virtual-key code)
//   sleep N                    a wait of N milliseconds
//   clipboard "TEXT"           the clipboard set to TEXT
//   message "TEXT"             a message box
//   prompt D "PROMPT" [default "TEXT"] single|multi
// Foreground changes print nothing (an empty string).

#include <string>
#include <string_view>
#include <vector>

#include "playback/recording_platform.h"

// Printable ASCII as is, except " and \ escaped; every other byte \xNN.
std::string QuoteText(std::string_view text);

std::string EffectText(const Effect& effect);

// The printed lines of a list of effects, skipping those that print nothing.
std::vector<std::string> EffectLines(const std::vector<Effect>& effects);
