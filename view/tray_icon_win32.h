#pragma once
// The view's tray icon: id 123, callback message 1066, icon 128 and the
// tip "Zorvakomat Keyboard Simulator".

#include <windows.h>

void AddTrayIcon(HWND view);
void DeleteTrayIcon(HWND view);

// The message the taskbar broadcasts when it has been created anew (after
// the shell restarted); every icon must then be added again.
UINT TaskbarCreatedMessage();
