#pragma once
// Drawing the welcome page: the greeting and the five framed banners, at
// the view's dots per inch.

#include <windows.h>

void DrawWelcomePage(HDC dc, int dpi);
