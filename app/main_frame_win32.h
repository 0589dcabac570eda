#pragma once
// The main frame: its menu, the toolbar, the status bar with its message
// pane and key indicators, and the view filling the rest. Its commands go
// to the view (and through it the document), then to the frame itself,
// then to the application.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/command_target_win32.h"
#include "app/document_commands_win32.h"
#include "app/tool_bar_win32.h"
#include "framework/single_instance.h"
#include "framework/wnd_win32.h"
#include "view/zorvak_view_win32.h"

// The frame's window class, by which a later start finds the program.
inline constexpr char kFrameClass[] = "ZorvakomatFrame";

class CMainFrame : public CWnd, public ViewFrame {
 public:
  CMainFrame(CZorvakDoc& doc, Win32DocumentCommands& documentCommands, ShellOpenPort& shell,
             CCmdTarget& app);
  ~CMainFrame() override;

  // Creates the frame, hidden, with its bars and the view.
  bool Create();

  void RecalcLayout() override;
  // The caption: the document's title, " - " and the application's name.
  void UpdateFrameTitle(const std::string& documentTitle);
  // Brings the key indicators up to date; run when the program is idle.
  void OnIdleUpdate();
  // Shows a text in the status bar's message pane until a menu prompt or
  // the idle message takes its place.
  void SetMessageText(const std::string& text);

  CZorvakView& View() { return *view_; }

  // What must be done before the session ends and the program with it (the
  // settings written): the frame then goes, taking the tray icon along.
  void SetEndSessionHandler(std::function<void()> handler) { end_session_ = std::move(handler); }
  // What a later start of the program handed over (WM_COPYDATA).
  void SetHandOverHandler(std::function<void(const HandOver&)> handler) {
    hand_over_ = std::move(handler);
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int OnCreate();
  bool CreateToolBar();
  bool CreateStatusBar();
  void OnCommand(int id);
  bool OnFrameCommand(int id);
  void ToggleStatusBar();
  void OnInitMenuPopup(HMENU menu);
  void OnMenuSelect(UINT item, UINT flags, HMENU menu);
  LRESULT OnNotify(NMHDR* header);
  // May the program end now? A modal window still open comes forward.
  bool QueryEnd();

  CZorvakDoc& doc_;
  Win32DocumentCommands& document_commands_;
  ShellOpenPort& shell_;
  CCmdTarget& app_;
  std::unique_ptr<CZorvakView> view_;
  HWND status_bar_ = nullptr;  // a child window: it goes with the frame
  Win32DockingToolBar tool_bar_;
  std::string message_text_;
  std::string indicator_text_[3];
  std::string tooltip_text_;
  std::function<void()> end_session_;
  std::function<void(const HandOver&)> hand_over_;
};
