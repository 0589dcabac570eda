#pragma once
// The whole text of a window or control, whatever its length.

#include <windows.h>

#include <string>

std::string GetWindowString(HWND window);
