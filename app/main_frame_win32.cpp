#include "app/main_frame_win32.h"

#include <commctrl.h>

#include <array>
#include <optional>

#include "app/frame_bars.h"
#include "document_commands/recent_file_menu_win32.h"
#include "framework/app_name.h"
#include "framework/command_prompt.h"
#include "framework/dpi_win32.h"
#include "framework/frame_layout.h"
#include "framework/handles_win32.h"
#include "framework/modal_window.h"
#include "framework/modal_window_win32.h"
#include "framework/resource_strings_win32.h"
#include "framework/single_instance_win32.h"
#include "resources/resource.h"
#include "view/tray_icon_win32.h"

namespace {

constexpr int kViewChildId = 0xE900;  // the first pane of a frame

std::string PromptOf(int id) {
  return CommandPrompt(LoadResourceString(static_cast<unsigned>(id)));
}

int TextWidth(HWND window, const std::string& text) {
  const WindowDC dc(window);
  const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
  std::optional<SelectedObject> selected;
  if (font != nullptr) selected.emplace(dc.get(), font);
  SIZE size{};
  GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int WindowHeight(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r.bottom - r.top;
}

}  // namespace

CMainFrame::CMainFrame(CZorvakDoc& doc, Win32DocumentCommands& documentCommands,
                       ShellOpenPort& shell, CCmdTarget& app)
    : doc_(doc), document_commands_(documentCommands), shell_(shell), app_(app) {}

CMainFrame::~CMainFrame() {
  // Destroyed while this object (and its view) are whole.
  if (hwnd != nullptr) DestroyWindow(hwnd);
}

bool CMainFrame::Create() {
  HINSTANCE module = AfxGetResourceHandle();
  if (!RegisterWindowClass(kFrameClass, CS_DBLCLKS,
                           LoadIconA(module, MAKEINTRESOURCEA(IDR_MAINFRAME)),
                           LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) {
    return false;
  }
  HMENU menu = LoadMenuA(module, MAKEINTRESOURCEA(IDR_MAINFRAME));
  if (menu == nullptr) return false;
  if (!CreateEx(0, kFrameClass, kAppName, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu)) {
    DestroyMenu(menu);  // a window that failed to be made owns nothing
    return false;
  }
  AcceptHandOvers(hwnd);
  return true;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TaskbarCreatedMessage()) {
    if (view_) view_->OnTaskbarCreated();
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      if (Default(message, wParam, lParam) == -1) return -1;
      return OnCreate();
    case WM_SIZE:
      RecalcLayout();
      return 0;
    case WM_ENABLE:
      // A modal loop disables the frame: a floating toolbar goes with it.
      tool_bar_.OnFrameEnabled(wParam != 0);
      return 0;
    case WM_WINDOWPOSCHANGED: {
      // Once the frame has been shown or hidden, a floating toolbar follows.
      const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
      if ((position->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != 0) {
        tool_bar_.OnFrameShown((position->flags & SWP_SHOWWINDOW) != 0);
      }
      return Default(message, wParam, lParam);
    }
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_MENUSELECT:
      OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      return 0;
    case WM_EXITMENULOOP:
      SetMessageText(LoadResourceString(IDS_IDLEMESSAGE));
      return 0;
    case WM_SETFOCUS:
      if (view_ && view_->hwnd != nullptr) SetFocus(view_->hwnd);
      return 0;
    case WM_CLOSE:
      if (QueryEnd()) DestroyWindow(hwnd);
      return 0;
    case kWmDpiChanged: {
      // Moved to a monitor of another scale: the size Windows proposes,
      // the bars and the page drawn for it.
      tool_bar_.SetDpi(HIWORD(wParam));
      const auto* r = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      RecalcLayout();
      if (view_ && view_->hwnd != nullptr) InvalidateRect(view_->hwnd, nullptr, TRUE);
      return 0;
    }
    case WM_COPYDATA: {
      // Only read here: what it asks for is done once the sender has its answer.
      const std::optional<HandOver> handOver = ReadHandOver(lParam);
      if (!handOver || !hand_over_) return FALSE;
      hand_over_(*handOver);
      return TRUE;
    }
    case WM_QUERYENDSESSION:
      return QueryEnd() ? TRUE : FALSE;
    case WM_ENDSESSION:
      // The session ends once every program has answered: the program may
      // be stopped any time after this returns, so it finishes now.
      if (wParam != 0) {
        if (end_session_) end_session_();
        DestroyWindow(hwnd);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return Default(message, wParam, lParam);
    default:
      return Default(message, wParam, lParam);
  }
}

int CMainFrame::OnCreate() {
  if (!CreateToolBar() || !CreateStatusBar()) return -1;
  view_ = std::make_unique<CZorvakView>(doc_, document_commands_, shell_, *this);
  if (!view_->Create(hwnd, kViewChildId)) return -1;
  RecalcLayout();
  return 0;
}

bool CMainFrame::CreateToolBar() {
  return tool_bar_.Create(hwnd, ID_VIEW_TOOLBAR, [this] { RecalcLayout(); });
}

bool CMainFrame::CreateStatusBar() {
  status_bar_ =
      CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                      hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID_VIEW_STATUS_BAR)),
                      AfxGetResourceHandle(), nullptr);
  if (status_bar_ == nullptr) return false;
  SetMessageText(LoadResourceString(IDS_IDLEMESSAGE));
  return true;
}

void CMainFrame::RecalcLayout() {
  if (hwnd == nullptr) return;
  RECT client{};
  GetClientRect(hwnd, &client);
  int statusBarHeight = 0;
  std::array<int, 3> indicatorWidths{};
  if (status_bar_ != nullptr && IsWindowVisible(status_bar_)) {
    SendMessageA(status_bar_, WM_SIZE, 0, 0);
    statusBarHeight = WindowHeight(status_bar_);
    for (int i = 1; i <= 3; ++i) {
      indicatorWidths[i - 1] = TextWidth(status_bar_, LoadResourceString(kIndicators[i])) + 12;
    }
  }
  const FrameLayout layout =
      LayOutFrame({client.left, client.top, client.right, client.bottom}, tool_bar_.Docked(),
                  statusBarHeight, indicatorWidths, GetSystemMetrics(SM_CXVSCROLL));
  tool_bar_.Place(layout.tool_bar);
  if (statusBarHeight > 0) {
    std::array<int, 4> edges = layout.status_edges;
    SendMessageA(status_bar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  }
  if (view_ && view_->hwnd != nullptr) {
    RECT current{};
    GetWindowRect(view_->hwnd, &current);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&current), 2);
    const LayoutRect& v = layout.view;
    if (current.left != v.left || current.top != v.top || current.right != v.right ||
        current.bottom != v.bottom) {
      SetWindowPos(view_->hwnd, nullptr, v.left, v.top, v.right - v.left, v.bottom - v.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

bool CMainFrame::QueryEnd() {
  switch (document_commands_.QueryEnd()) {
    case DocumentCommands::EndAnswer::end:
      return true;
    case DocumentCommands::EndAnswer::showModalWindow:
      BringModalWindowForward(hwnd);
      return false;
    case DocumentCommands::EndAnswer::keepRunning:
      return false;
  }
  return false;
}

void CMainFrame::UpdateFrameTitle(const std::string& documentTitle) {
  if (hwnd != nullptr) SetWindowTextA(hwnd, FrameCaption(documentTitle).c_str());
}

void CMainFrame::OnIdleUpdate() {
  if (status_bar_ == nullptr || !IsWindowVisible(status_bar_)) return;
  for (int i = 1; i <= 3; ++i) {
    const bool on = (GetKeyState(kIndicatorKeys[i]) & 1) != 0;
    const std::string text = on ? LoadResourceString(kIndicators[i]) : std::string();
    if (text != indicator_text_[i - 1]) {
      indicator_text_[i - 1] = text;
      SendMessageA(status_bar_, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
}

void CMainFrame::SetMessageText(const std::string& text) {
  if (status_bar_ == nullptr || text == message_text_) return;
  message_text_ = text;
  SendMessageA(status_bar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(message_text_.c_str()));
}

void CMainFrame::OnCommand(int id) {
  // No command runs inside another one's dialog or question.
  if (ModalWindowScope::AnyOpen()) {
    BringModalWindowForward(hwnd);
    return;
  }
  if (view_ && view_->OnCmdMsg(id)) return;
  if (OnFrameCommand(id)) return;
  app_.OnCmdMsg(id);
}

bool CMainFrame::OnFrameCommand(int id) {
  switch (id) {
    case ID_VIEW_TOOLBAR:
      tool_bar_.Show(!tool_bar_.IsShown());
      return true;
    case ID_VIEW_STATUS_BAR:
      ToggleStatusBar();
      return true;
    default:
      return false;
  }
}

void CMainFrame::ToggleStatusBar() {
  if (status_bar_ == nullptr) return;
  ShowWindow(status_bar_, IsWindowVisible(status_bar_) ? SW_HIDE : SW_SHOW);
  RecalcLayout();
}

void CMainFrame::OnInitMenuPopup(HMENU menu) {
  const auto check = [menu](int id, bool shown) {
    CheckMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
  };
  check(ID_VIEW_TOOLBAR, tool_bar_.IsShown());
  check(ID_VIEW_STATUS_BAR, status_bar_ != nullptr && IsWindowVisible(status_bar_));
  // The File menu: the recent files in place of their placeholder.
  UpdateRecentFileMenu(menu, document_commands_.RecentFileMenuTexts(), ID_FILE_MRU_FILE1);
}

void CMainFrame::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && menu == nullptr) {
    SetMessageText(LoadResourceString(IDS_IDLEMESSAGE));  // the menu closed
  } else if ((flags & (MF_POPUP | MF_SEPARATOR)) != 0) {
    SetMessageText(std::string());
  } else {
    SetMessageText(PromptOf(static_cast<int>(item)));
  }
}

LRESULT CMainFrame::OnNotify(NMHDR* header) {
  switch (header->code) {
    case TTN_GETDISPINFOA: {
      auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
      tooltip_text_ = CommandTooltip(LoadResourceString(static_cast<unsigned>(header->idFrom)));
      info->lpszText = tooltip_text_.data();
      info->hinst = nullptr;
      return 0;
    }
    case TTN_GETDISPINFOW: {
      auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
      const std::string tip =
          CommandTooltip(LoadResourceString(static_cast<unsigned>(header->idFrom)));
      MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, info->szText,
                          static_cast<int>(std::size(info->szText)));
      info->szText[std::size(info->szText) - 1] = L'\0';
      info->lpszText = info->szText;
      info->hinst = nullptr;
      return 0;
    }
    case TBN_HOTITEMCHANGE: {
      // Fly-by prompts: the button under the pointer is described in the
      // message pane.
      auto* hot = reinterpret_cast<NMTBHOTITEM*>(header);
      if ((hot->dwFlags & HICF_LEAVING) != 0) {
        SetMessageText(LoadResourceString(IDS_IDLEMESSAGE));
      } else {
        SetMessageText(PromptOf(hot->idNew));
      }
      return 0;
    }
    default:
      return 0;
  }
}
