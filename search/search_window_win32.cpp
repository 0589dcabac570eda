#include "search/search_window_win32.h"

#include <commctrl.h>

#include <string>

#include "framework/window_text_win32.h"

namespace {

constexpr char kSearchClass[] = "ZorvakomatSearch";
constexpr char kSearchTitle[] = "Search Items";
constexpr int kEditId = 1;
constexpr int kListId = 2;
constexpr int kWidth = 520;
constexpr int kHeight = 360;
constexpr int kMargin = 6;
constexpr int kEditHeight = 24;
constexpr int kLineHeight = 20;

// The work area of the monitor beside the window, or of the pointer's.
RECT WorkArea(HWND beside) {
  POINT pointer{};
  GetCursorPos(&pointer);
  HMONITOR monitor = beside != nullptr ? MonitorFromWindow(beside, MONITOR_DEFAULTTONEAREST)
                                       : MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (monitor == nullptr || !GetMonitorInfoA(monitor, &info)) {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  }
  return info.rcWork;
}

}  // namespace

SearchWindow::SearchWindow(std::function<void(Pick)> chosen, std::function<void()> escaped)
    : chosen_(std::move(chosen)), escaped_(std::move(escaped)) {}

SearchWindow::~SearchWindow() { Close(); }

bool SearchWindow::Open(const SearchIndex& index, const RecentPicks& recent, HWND beside,
                        HWND owner) {
  Close();
  if (!RegisterWindowClass(kSearchClass, 0, nullptr, LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) {
    return false;
  }
  box_.emplace(index, recent);
  const RECT area = WorkArea(beside);
  const int x = (area.left + area.right - kWidth) / 2;
  const int y = (area.top + area.bottom - kHeight) / 3;
  if (!CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kSearchClass, kSearchTitle,
                WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y, kWidth, kHeight, owner, nullptr)) {
    box_.reset();
    return false;
  }
  ShowLines();
  ShowWindow(hwnd, SW_SHOW);
  BringForward();
  return true;
}

void SearchWindow::Close() {
  if (hwnd != nullptr) DestroyWindow(hwnd);
}

void SearchWindow::BringForward() {
  if (hwnd == nullptr) return;
  SetForegroundWindow(hwnd);
  SetFocus(edit_);
}

LRESULT SearchWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_ACTIVATE:
      // A click elsewhere closes the box.
      if (LOWORD(wParam) == WA_INACTIVE) {
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
      } else {
        SetFocus(edit_);
      }
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_CHANGE) OnTextChanged();
      if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
        box_->Select(static_cast<std::size_t>(SendMessageA(list_, LB_GETCURSEL, 0, 0)));
        ShowSelection();
      }
      if (LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_DBLCLK) Choose();
      return 0;
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kLineHeight;
      return TRUE;
    case WM_DRAWITEM:
      DrawLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DESTROY:
      box_.reset();
      edit_ = list_ = nullptr;
      return Default(message, wParam, lParam);
    default:
      return Default(message, wParam, lParam);
  }
}

void SearchWindow::OnCreate() {
  RECT client{};
  GetClientRect(hwnd, &client);
  const int width = client.right - 2 * kMargin;
  HINSTANCE instance = AfxGetResourceHandle();
  edit_ = CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, kMargin,
      kMargin, width, kEditHeight, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)),
      instance, nullptr);
  const int listTop = 2 * kMargin + kEditHeight;
  // LBS_NODATA: the list holds only a count; every line is drawn from the box.
  list_ =
      CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                          LBS_NODATA | LBS_NOINTEGRALHEIGHT,
                      kMargin, listTop, width, client.bottom - listTop - kMargin, hwnd,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance, nullptr);
  font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (HWND control : {edit_, list_}) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
  // The edit box keeps the focus; its Up, Down, Enter and Escape work the list.
  SetWindowSubclass(edit_, EditKeys, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK SearchWindow::EditKeys(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self) {
  auto* window = reinterpret_cast<SearchWindow*>(self);
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, EditKeys, id);
  if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
  if (message == WM_CHAR && (wParam == VK_RETURN || wParam == VK_ESCAPE)) return 0;  // no beep
  if (message == WM_KEYDOWN) {
    switch (wParam) {
      case VK_UP:
      case VK_DOWN:
        window->box_->Move(wParam == VK_UP ? -1 : 1);
        window->ShowSelection();
        return 0;
      case VK_RETURN:
        window->Choose();
        return 0;
      case VK_ESCAPE:
        window->escaped_();
        window->Close();
        return 0;
      default:
        break;
    }
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

void SearchWindow::OnTextChanged() {
  box_->Type(GetWindowString(edit_));
  ShowLines();
}

void SearchWindow::ShowLines() {
  SendMessageA(list_, LB_SETCOUNT, box_->Lines().size(), 0);
  ShowSelection();
  InvalidateRect(list_, nullptr, TRUE);
}

void SearchWindow::ShowSelection() {
  const std::optional<std::size_t> selected = box_->Selected();
  SendMessageA(list_, LB_SETCURSEL,
               selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1), 0);
}

void SearchWindow::Choose() {
  const std::optional<Pick> choice = box_->Choice();
  if (!choice) return;  // nothing that can be chosen is selected
  // Told while the box still has the focus: the program may still move it.
  chosen_(*choice);
  Close();
}

void SearchWindow::DrawLine(const DRAWITEMSTRUCT& item) {
  if (!box_ || item.itemID >= box_->Lines().size()) return;
  const SearchBox::Line& line = box_->Lines()[item.itemID];
  const bool selected = (item.itemState & ODS_SELECTED) != 0 && !line.grayed;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetBkMode(item.hDC, TRANSPARENT);
  const COLORREF text = GetSysColor(line.grayed ? COLOR_GRAYTEXT
                                    : selected  ? COLOR_HIGHLIGHTTEXT
                                                : COLOR_WINDOWTEXT);
  SetTextColor(item.hDC, text);
  RECT label = item.rcItem;
  label.left += 4;
  label.right = label.left + (item.rcItem.right - item.rcItem.left) * 9 / 20;
  const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  DrawTextA(item.hDC, line.label.c_str(), static_cast<int>(line.label.size()), &label, flags);
  RECT preview = item.rcItem;
  preview.left = label.right + 8;
  if (!line.grayed && !selected) SetTextColor(item.hDC, GetSysColor(COLOR_GRAYTEXT));
  DrawTextA(item.hDC, line.preview.c_str(), static_cast<int>(line.preview.size()), &preview, flags);
}
