#pragma once
// The view window: it lives inside the main frame, owns the tray icon and
// the pick menu (also opened by the pick hotkey, registered for this
// window, whose pick goes back to the window that had the focus), runs a
// pending pick when it loses the keyboard focus,
// hides the frame on its first paint and draws the welcome page once the
// frame has been restored.

#include <windows.h>

#include "document/zorvak_doc.h"
#include "framework/shell_open.h"
#include "framework/wnd_win32.h"
#include "playback/playback_platform_win32.h"
#include "playback/stop_key_hook_win32.h"
#include "search/search_window_win32.h"
#include "storage/file_system_win32.h"
#include "view/document_command_port.h"
#include "view/zorvak_view.h"

// What the view asks of the frame it lives in.
class ViewFrame {
 public:
  // Places the toolbar, the status bar and the view.
  virtual void RecalcLayout() = 0;

 protected:
  ~ViewFrame() = default;
};

class CZorvakView : public CWnd {
 public:
  CZorvakView(CZorvakDoc& doc, DocumentCommandPort& documentCommands, ShellOpenPort& shell,
              ViewFrame& frame);
  ~CZorvakView() override;

  // Creates the view visible inside the frame; the tray icon is added as
  // it is shown.
  bool Create(HWND frame, int childId);

  // A command routed from the frame: the view's own handlers, then the
  // document's. True when one of them handled it.
  bool OnCmdMsg(int id);

  // The document was replaced or edited: an open search box closes, and
  // lists the new items when it opens again.
  void OnDocumentChanged();

  // The taskbar was created anew: the icon is added again.
  void OnTaskbarCreated();

  // The main window shown, as a double click on the tray icon shows it.
  void ShowMainWindow();
  // Whether a paste gives the clipboard back (the RestoreClipboard setting).
  void SetGiveBackClipboard(bool giveBack) { core_.playback.SetGiveBackClipboard(giveBack); }

  CZorvakDoc* pDoc;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnDraw(HDC dc);
  void CarryOut(TrayAction action);
  void ShowPickMenu();
  void OnCommandHook(WPARAM wParam);
  // A pick from the hotkey's menu: the focus goes back where it was.
  void ReturnFocusForPick();
  void OnSearchHotkey();
  void OnSearchChoice(Pick pick);
  void OnSearchEscaped();
  void OnLButtonUp(int x, int y);
  void ShowFrame(FrameShow how);

  void OnEditSubMenus();
  void OnHideMainWindow();
  void OnHelpIndex();
  void OnWinMoney();

  HWND Frame() const { return GetParent(hwnd); }

  DocumentCommandPort& document_commands_;
  ShellOpenPort& shell_;
  ViewFrame& frame_layout_;
  Win32PlaybackPlatform platform_;
  Win32StopKeyHook stop_key_;
  Win32FileSystem files_;
  ViewCore core_;
  bool returning_focus_ = false;
  SearchWindow search_window_;
  HWND search_near_ = nullptr;  // the box opens on this window's monitor
};
