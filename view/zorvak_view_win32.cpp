#include "view/zorvak_view_win32.h"

#include <windowsx.h>

#include "editor/edit_submenu_dlg_win32.h"
#include "framework/dpi_win32.h"
#include "framework/modal_window_win32.h"
#include "hotkey/pick_hotkey.h"
#include "resources/resource.h"
#include "safety/zone_mark.h"
#include "view/focus_return_win32.h"
#include "view/pick_menu_win32.h"
#include "view/tray_icon_win32.h"
#include "view/welcome_page.h"
#include "view/welcome_page_win32.h"

namespace {

constexpr char kViewClass[] = "ZorvakomatView";
// Posted to itself: the focus went back to the window a hotkey pick types
// into, and the pick is to run now.
constexpr UINT kRunPickMessage = WM_APP + 1;

WindowId AsWindowId(HWND window) { return reinterpret_cast<WindowId>(window); }

}  // namespace

CZorvakView::CZorvakView(CZorvakDoc& doc, DocumentCommandPort& documentCommands,
                         ShellOpenPort& shell, ViewFrame& frame)
    : pDoc(&doc),
      document_commands_(documentCommands),
      shell_(shell),
      frame_layout_(frame),
      core_(platform_.Ports(), doc),
      search_window_([this](Pick pick) { OnSearchChoice(pick); }, [this] { OnSearchEscaped(); }) {}

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
      // While the focus is being given back, the run waits until that is
      // done: the control is to have the focus before the keys go out.
      if (returning_focus_) {
        PostMessageA(hwnd, kRunPickMessage, 0, 0);
        return result;
      }
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
      CarryOut(core_.OnTrayNotify(static_cast<unsigned>(wParam), static_cast<unsigned>(lParam)));
      return 0;
    case WM_HOTKEY:
      // The pick hotkey is a right click on the icon, decisions and all,
      // that remembers where the focus was.
      if (wParam == kPickHotkeyId) CarryOut(core_.OnPickHotkey(FocusOfAnotherProgram()));
      if (wParam == kSearchHotkeyId) OnSearchHotkey();
      return 0;
    case kRunPickMessage:
      core_.playback.OnKillFocus();
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

void CZorvakView::CarryOut(TrayAction action) {
  if (action == TrayAction::restoreMainWindow) ShowFrame(core_.OnRestore());
  if (action == TrayAction::showPickMenu) ShowPickMenu();
  if (action == TrayAction::bringModalWindowForward) BringModalWindowForward(Frame());
  if (action == TrayAction::showSearchBox) {
    search_window_.Open(core_.SearchItems(), core_.Recent(), search_near_, Frame());
  }
}

void CZorvakView::OnSearchHotkey() {
  // A second press while the box is open only brings it forward.
  if (search_window_.IsOpen()) {
    search_window_.BringForward();
    return;
  }
  const std::optional<FocusTarget> focused = FocusOfAnotherProgram();
  search_near_ = focused ? reinterpret_cast<HWND>(focused->window) : nullptr;
  CarryOut(core_.OnSearchHotkey(focused));
}

void CZorvakView::OnSearchChoice(Pick pick) {
  if (!core_.OnSearchChoice(pick)) return;
  // The view takes the focus, so that its loss starts the run: given back
  // to the window that had it, or taken by the user's click.
  BringWindowForward(AsWindowId(hwnd));
  ReturnFocusForPick();
}

void CZorvakView::OnSearchEscaped() {
  // The focus goes back where it was when the hotkey was pressed.
  Win32WindowPresence windows;
  if (const std::optional<FocusTarget> target = core_.FocusAfterPick(windows)) {
    ReturnFocus(*target);
  }
}

void CZorvakView::OnDocumentChanged() {
  search_window_.Close();
  core_.OnDocumentChanged();
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
  if (HIWORD(wParam) == 0) {
    // Read at every command: the same file may have been replaced meanwhile.
    const std::string& path = pDoc->GetPathName();
    core_.question.SetDocument(path, CameFromTheInternet(files_, path));
  }
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
      ReturnFocusForPick();
      break;
    case HookAction::pickRefused:
      break;
  }
}

void CZorvakView::ReturnFocusForPick() {
  Win32WindowPresence windows;
  const std::optional<FocusTarget> target = core_.FocusAfterPick(windows);
  if (!target) return;
  returning_focus_ = true;
  ReturnFocus(*target);
  returning_focus_ = false;
}

bool CZorvakView::OnCmdMsg(int id) {
  switch (id) {
    case ID_EDIT_SUBMENUS:
      OnEditSubMenus();
      return true;
    case ID_SEARCH_ITEMS:
      search_near_ = Frame();
      CarryOut(core_.OnSearchCommand());
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
void CZorvakView::OnEditSubMenus() {
  RunEditSubMenus(*pDoc);
  OnDocumentChanged();
}

void CZorvakView::OnHideMainWindow() { ShowFrame(core_.OnHideMainWindow()); }

void CZorvakView::OnHelpIndex() { shell_.OpenHelpPage("index.html"); }

void CZorvakView::OnWinMoney() { shell_.OpenAddress(kSponsorAddress); }
