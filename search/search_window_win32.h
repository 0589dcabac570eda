#pragma once
// The search box on Windows: a small top-most window, "Search Items", on
// the monitor of the window that had the focus, with an edit box above a
// list of the items. Every keystroke filters the list (SearchBox decides
// what it shows); Up and Down move, Enter chooses, Escape or a click
// elsewhere closes it.

#include <windows.h>

#include <functional>
#include <optional>

#include "framework/wnd_win32.h"
#include "search/search_box.h"

class SearchWindow : public CWnd {
 public:
  // chosen is called with the item Enter chose, escaped after Escape,
  // each while the box still holds the focus; then it closes.
  SearchWindow(std::function<void(Pick)> chosen, std::function<void()> escaped);
  ~SearchWindow() override;

  // Opens the box, owned by owner, on the monitor of beside (none: of the
  // pointer), with the focus in its edit box. The index and the picks
  // outlive the box.
  bool Open(const SearchIndex& index, const RecentPicks& recent, HWND beside, HWND owner);
  void Close();
  bool IsOpen() const { return hwnd != nullptr; }
  // Brings an open box to the front.
  void BringForward();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static LRESULT CALLBACK EditKeys(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR id, DWORD_PTR self);
  void OnCreate();
  void OnTextChanged();
  void ShowLines();
  void ShowSelection();
  void Choose();
  void DrawLine(const DRAWITEMSTRUCT& item);

  std::function<void(Pick)> chosen_;
  std::function<void()> escaped_;
  std::optional<SearchBox> box_;
  HWND edit_ = nullptr;
  HWND list_ = nullptr;
  HFONT font_ = nullptr;  // the system's, not to be freed
};
