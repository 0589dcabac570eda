#pragma once
// The application: its start-up reads the settings, registers the file
// type, creates the main frame with the view and makes the one document
// (new or named on the command line); it handles the commands that belong
// to the application (About, Exit) and writes the recent files back at exit.

#include <memory>
#include <optional>

#include "app/command_target_win32.h"
#include "app/document_commands_win32.h"
#include "app/main_frame_win32.h"
#include "document/zorvak_doc.h"
#include "framework/message_box_win32.h"
#include "framework/shell_open_win32.h"
#include "framework/single_instance_win32.h"
#include "framework/win_app_win32.h"
#include "hotkey/pick_hotkey_win32.h"
#include "settings/registry_profile_win32.h"
#include "storage/file_system_win32.h"

class CZorvakApp : public CWinApp, public CCmdTarget {
 public:
  CZorvakApp();

  bool InitInstance() override;
  bool OnIdle(long count) override;
  int ExitInstance() override;

  bool OnCmdMsg(int id) override;

 private:
  // False when another start of the program already runs and now has
  // this start's command line (or does not answer, which is told).
  bool ClaimInstance(const CommandLineInfo& commandLine);
  void OnHandOver(const HandOver& handOver);
  // Carries out a hand-over held, unless a modal window is open.
  void CarryOutHandOver();
  bool CreateMainFrame();
  void WriteSettings();
  void OnTitleChanged();
  void OnContentChanged();
  void OnAppAbout();

  Win32MessageBoxes messages_;
  CZorvakDoc doc_;
  Win32DocumentCommands document_commands_;
  Win32ShellOpen shell_;
  std::unique_ptr<Win32Instance> instance_;
  std::optional<HandOver> pending_hand_over_;
  // Made once the registry key is set: the registry's, or the portable
  // program's settings file, which settings_problem_ may tell about.
  Win32FileSystem settings_files_;
  std::unique_ptr<ProfilePort> profile_;
  std::string settings_problem_;
  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<PickHotkeyRegistration> pick_hotkey_;
  std::unique_ptr<PickHotkeyRegistration> search_hotkey_;
};
