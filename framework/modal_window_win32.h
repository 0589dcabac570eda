#pragma once
// Finding the modal window the program has open, to bring it forward.

#include <windows.h>

// Activates the modal window of this thread that waits for the user: the
// one visible, enabled top-level window (a modal loop disables the windows
// that own it). except is never chosen (the main frame). Nothing happens
// when there is none.
void BringModalWindowForward(HWND except);
