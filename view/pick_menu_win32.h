#pragma once
// The pick menu shown at the tray: built from its plain form, tracked at a
// point with the view as its owner, and destroyed afterwards.

#include <windows.h>

#include <vector>

#include "view/pick_menu.h"

// The chosen entry arrives later as a WM_COMMAND to the owner.
void TrackPickMenu(const std::vector<PickMenuEntry>& entries, POINT at, HWND owner);
