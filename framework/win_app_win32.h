#pragma once
// The application object: start-up, the message loop with accelerator
// translation and idle processing, and the registry key that names where
// the application's settings live.

#include <windows.h>

#include <string>

#include "storage/non_copyable.h"

class CWinApp : private NonCopyable {
 public:
  CWinApp();
  virtual ~CWinApp();

  // Start-up; false ends the program at once.
  virtual bool InitInstance() = 0;
  // Called when the message queue is empty; true asks for more idle calls.
  virtual bool OnIdle(long count);
  // After the message loop; the process exit code.
  virtual int ExitInstance() { return exit_code_; }

  // InitInstance, then the message loop until WM_QUIT, then ExitInstance.
  int Run();

  // The window whose accelerators are translated and that owns dialogs
  // given no parent.
  HWND GetMainWindow() const { return main_window_; }
  void SetMainWindow(HWND window, HACCEL accelerators) {
    main_window_ = window;
    accelerators_ = accelerators;
  }

  // Settings then live under HKEY_CURRENT_USER\Software\<company>\<app>.
  void SetRegistryKey(const char* company);
  // "Software\<company>\<app>", or empty when no key was set.
  const std::string& RegistryKeyPath() const { return registry_key_path_; }

 protected:
  // The exit code when InitInstance returns false: 1 (a failed start)
  // unless another is set, 0 for a start that had nothing left to do.
  void SetStartExitCode(int code) { start_exit_code_ = code; }

 private:
  bool PreTranslateMessage(MSG& msg);

  HWND main_window_ = nullptr;
  HACCEL accelerators_ = nullptr;
  std::string registry_key_path_;
  int exit_code_ = 0;
  int start_exit_code_ = 1;
};

// The one application object.
CWinApp* AfxGetApp();
