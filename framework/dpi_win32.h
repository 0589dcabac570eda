#pragma once
// The dots per inch a window is drawn at: its monitor's on Windows 10
// (the program is aware of each monitor's scale), the system's before.

#include <windows.h>

int WindowDpi(HWND window);

// The font of message boxes at dpi (the system's choice, scaled); null
// when the system gives none.
HFONT CreateMessageFont(int dpi);

// WM_DPICHANGED, which user32 of Windows 8.1 on knows (0x02E0).
inline constexpr UINT kWmDpiChanged = 0x02E0;
