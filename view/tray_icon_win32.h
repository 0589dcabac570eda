#pragma once
// The view's tray icon (TRAY_ICON_ID, calling back with WM_TRAY_NOTIFY),
// with the program's icon and the tip "Zorvakomat Keyboard Simulator".

#include <windows.h>

void AddTrayIcon(HWND view);
void DeleteTrayIcon(HWND view);

// The message the taskbar broadcasts when it has been created anew (after
// the shell restarted); every icon must then be added again.
UINT TaskbarCreatedMessage();
