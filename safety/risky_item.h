#pragma once
// Which items can take over the desktop: an item whose text presses a
// Windows key (the Start menu, Windows+R's Run box), Ctrl+Esc (the Start
// menu) or Alt+F4 (closes the window in front) can go on to type a command
// and press Enter. A document from the internet is asked about before such
// an item first plays, and zvk check warns about such items in any file.
//
// The text is read as it stands, tokens inside quoted text included, and
// whether or not playback would carry it out as one token: a question too
// many costs a click, one too few can run a command.

#include <string_view>

#include "document/macro_data.h"
#include "playback/pick.h"

// What zvk check says about such an item.
inline constexpr const char* kRiskyItemWarning =
    "this item opens the Start menu or the Run box and types a command";

// Whether the text presses a Windows key, Ctrl+Esc or Alt+F4. Ctrl and Alt
// count as held from "[CTRL]" and "[alt]" until their "_UP" tokens.
bool PressesSystemKeys(std::string_view text);

// The same for what one pick plays: the item and the items chained to it,
// read one after the other (a key held in one is still held in the next).
bool PickPressesSystemKeys(const MacroData& doc, Pick pick);
