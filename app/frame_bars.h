#pragma once
// The contents of the main frame's bars.

#include "resources/resource.h"

// The toolbar, left to right; 0 is a separator. Each button has the next
// image of the toolbar bitmap.
inline constexpr int kToolBarSeparator = 0;
inline constexpr int kToolBarButtons[] = {ID_FILE_NEW,       ID_FILE_OPEN,        ID_FILE_SAVE,
                                          kToolBarSeparator, ID_HIDE_MAIN_WINDOW, ID_APP_ABOUT};
inline constexpr int kToolBarImageCount = 5;
inline constexpr int kToolBarImageWidth = 16;
inline constexpr int kToolBarImageHeight = 15;

// The status bar's panes: the message pane, then CAP, NUM and SCRL, each
// shown while its key is toggled on.
inline constexpr unsigned kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                           ID_INDICATOR_SCRL};
inline constexpr int kIndicatorKeys[] = {0, 0x14 /* caps lock */, 0x90 /* num lock */,
                                         0x91 /* scroll lock */};
