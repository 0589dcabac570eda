#include "framework/modal_window_win32.h"

namespace {

struct Search {
  HWND except;
  HWND found;
};

BOOL CALLBACK TakeFirstWaiting(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  if (window == search->except || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

void BringModalWindowForward(HWND except) {
  // The thread's top-level windows come topmost first.
  Search search{except, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &TakeFirstWaiting, reinterpret_cast<LPARAM>(&search));
  if (search.found != nullptr) SetForegroundWindow(search.found);
}
