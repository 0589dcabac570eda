#include "framework/wnd_win32.h"

CWnd::~CWnd() {
  // An object going away before its window: unbind and close the window,
  // so the procedure never reaches a dead object.
  if (hwnd != nullptr) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
    hwnd = nullptr;
  }
}

HINSTANCE AfxGetResourceHandle() { return GetModuleHandleA(nullptr); }

bool CWnd::RegisterWindowClass(const char* className, UINT style, HICON icon, HCURSOR cursor,
                               HBRUSH background) {
  WNDCLASSA existing{};
  if (GetClassInfoA(AfxGetResourceHandle(), className, &existing)) return true;
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = &CWnd::StaticWindowProc;
  wc.hInstance = AfxGetResourceHandle();
  wc.hIcon = icon;
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  return RegisterClassA(&wc) != 0;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId) {
  // The object is bound at WM_NCCREATE, so messages sent while the window
  // is being created (WM_CREATE, WM_SHOWWINDOW) already reach it.
  const HWND window = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                      menuOrId, AfxGetResourceHandle(), this);
  return window != nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* self = static_cast<CWnd*>(create->lpCreateParams);
    self->hwnd = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CWnd*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  const LRESULT result = self->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->hwnd = nullptr;
  }
  return result;
}
