#pragma once
// Drawing the welcome page: the greeting and the five framed banners.

#include <windows.h>

void DrawWelcomePage(HDC dc);
