#include "view/zorvak_view_win32.h"

#include <windowsx.h>

#include "editor/edit_submenu_dlg_win32.h"
#include "framework/dpi_win32.h"
#include "framework/modal_window_win32.h"
#include "hotkey/pick_hotkey.h"
#include "resources/resource.h"
#include "view/pick_menu_win32.h"
#include "view/tray_icon_win32.h"
#include "view/welcome_page.h"
#include "view/welcome_page_win32.h"

namespace {

constexpr char kViewClass[] = "ZorvakomatView";

WindowId AsWindowId(HWND window) { return reinterpret_cast<WindowId>(window); }

}  // namespace

CZorvakView::CZorvakView(CZorvakDoc& doc, DocumentCommandPort& documentCommands,
                         ShellOpenPort& shell, ViewFrame& frame)
    : pDoc(&doc),
      document_commands_(documentCommands),
      shell_(shell),
      frame_layout_(frame),
      core_(platform_.Ports(), doc) {}

CZorvakView::~CZorvakView() {
  // Destroyed while this object is whole, so the destroy handler runs.
  if (hwnd != nullptr) DestroyWindow(hwnd);
}

bool CZorvakView::Create(HWND frame, int childId) {
  if (!RegisterWindowClass(kViewClass, CS_HREDRAW | CS_VREDRAW, nullptr,
                           LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1))) {
    return false;
  }
  return CreateEx(WS_EX_CLIENTEDGE, kViewClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)));
}

LRESULT CZorvakView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      core_.playback.SetOwnWindow(AsWindowId(hwnd));
      core_.playback.SetStopKeyWatch(&stop_key_);
      return Default(message, wParam, lParam);
    case WM_SHOWWINDOW: {
      const LRESULT result = Default(message, wParam, lParam);
      // The handle given to the procedure: the creator may not know it yet.
      if (wParam != 0) AddTrayIcon(hwnd);
      return result;
    }
    case WM_DESTROY: {
      const LRESULT result = Default(message, wParam, lParam);
      DeleteTrayIcon(hwnd);
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = Default(message, wParam, lParam);
      core_.playback.OnKillFocus();
      // A tray click or the hotkey that came during the run has its turn.
      if (const auto mouse = core_.TakeWaitingTrayNotify()) {
        PostMessageA(hwnd, WM_TRAY_NOTIFY, TRAY_ICON_ID, static_cast<LPARAM>(*mouse));
      }
      return result;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      OnDraw(dc);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_LBUTTONUP:
      OnLButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return Default(message, wParam, lParam);
    case WM_COMMAND:
      OnCommandHook(wParam);
      return 0;
    case WM_TRAY_NOTIFY:
      OnTrayNotify(wParam, lParam);
      return 0;
    case WM_HOTKEY:
      // The pick hotkey is a right click on the icon, decisions and all.
      if (wParam == kPickHotkeyId) OnTrayNotify(TRAY_ICON_ID, WM_RBUTTONUP);
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

void CZorvakView::OnTaskbarCreated() {
  if (hwnd != nullptr) AddTrayIcon(hwnd);
}

void CZorvakView::OnDraw(HDC dc) {
  frame_layout_.RecalcLayout();
  if (core_.bHideOnPaint) {
    ShowFrame(FrameShow::hide);
    return;
  }
  DrawWelcomePage(dc, WindowDpi(hwnd));
}

void CZorvakView::OnTrayNotify(WPARAM iconId, LPARAM mouseMessage) {
  const TrayAction action =
      core_.OnTrayNotify(static_cast<unsigned>(iconId), static_cast<unsigned>(mouseMessage));
  if (action == TrayAction::restoreMainWindow) ShowFrame(core_.OnRestore());
  if (action == TrayAction::showPickMenu) ShowPickMenu();
  if (action == TrayAction::bringModalWindowForward) BringModalWindowForward(Frame());
}

void CZorvakView::ShowMainWindow() { ShowFrame(core_.OnRestore()); }

void CZorvakView::ShowPickMenu() {
  POINT cursor{};
  GetCursorPos(&cursor);
  const std::vector<PickMenuEntry> entries = BuildPickMenu(*pDoc);
  // With the view in front and holding the focus, the menu closes when
  // the user clicks elsewhere, and the click into the target window that
  // follows a pick takes the focus away from the view.
  BringWindowForward(AsWindowId(hwnd));
  TrackPickMenu(entries, cursor, hwnd);
}

void CZorvakView::OnCommandHook(WPARAM wParam) {
  // Menu commands carry no notification code; anything else is passed on.
  const int id = LOWORD(wParam);
  const HookAction action = HIWORD(wParam) == 0 ? core_.OnCommandHook(id) : HookAction::passOn;
  switch (action) {
    case HookAction::trayOpen:
      document_commands_.OnTrayOpen();
      break;
    case HookAction::trayExit:
      if (document_commands_.SaveModified()) {
        DeleteTrayIcon(hwnd);
        PostMessageA(hwnd, WM_QUIT, 0, 0);
      }
      break;
    case HookAction::passOn:
      OnCmdMsg(id);
      break;
    case HookAction::bringModalWindowForward:
      BringModalWindowForward(Frame());
      break;
    case HookAction::itemPicked:
      break;
  }
}

bool CZorvakView::OnCmdMsg(int id) {
  switch (id) {
    case ID_EDIT_SUBMENUS:
      OnEditSubMenus();
      return true;
    case ID_HIDE_MAIN_WINDOW:
      OnHideMainWindow();
      return true;
    case ID_HELP_INDEX:
      OnHelpIndex();
      return true;
    case ID_WIN_MONEY:
      OnWinMoney();
      return true;
    default:
      return document_commands_.OnCmdMsg(id);
  }
}

void CZorvakView::OnLButtonUp(int x, int y) {
  if (const auto page = BannerPageAt(x, y, WindowDpi(hwnd))) shell_.OpenAddress(*page);
}

void CZorvakView::ShowFrame(FrameShow how) {
  switch (how) {
    case FrameShow::hide:
      ShowWindow(Frame(), SW_HIDE);
      break;
    case FrameShow::showNormal:
      ShowWindow(Frame(), SW_SHOWNORMAL);
      break;
    case FrameShow::showMaximized:
      BringWindowForward(AsWindowId(hwnd));
      ShowWindow(Frame(), SW_SHOWMAXIMIZED);
      break;
  }
}

// The dialog has no explicit parent, so the main window owns it; its
// refusals are message boxes owned by the dialog itself.
void CZorvakView::OnEditSubMenus() { RunEditSubMenus(*pDoc); }

void CZorvakView::OnHideMainWindow() { ShowFrame(core_.OnHideMainWindow()); }

void CZorvakView::OnHelpIndex() { shell_.OpenHelpPage("index.html"); }

void CZorvakView::OnWinMoney() { shell_.OpenAddress(kSponsorAddress); }
