#pragma once
// The window base: a C++ object bound to one window. The window procedure
// finds the object and forwards every message to its virtual WindowProc;
// what a derived class does not handle gets the default processing.

#include <windows.h>

#include "storage/non_copyable.h"

class CWnd : private NonCopyable {
 public:
  CWnd() = default;
  virtual ~CWnd();

  HWND hwnd = nullptr;

  // Registers a window class whose windows are bound to CWnd objects.
  static bool RegisterWindowClass(const char* className, UINT style, HICON icon, HCURSOR cursor,
                                  HBRUSH background);

  // Creates the window of a class registered above; false on failure.
  bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU menuOrId);

 protected:
  // Every message of the window; the default is DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// The module that holds the program's resources.
HINSTANCE AfxGetResourceHandle();
