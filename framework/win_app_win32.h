#pragma once
// The application object: start-up, the message loop with accelerator
// translation and idle processing, and the registry key that names where
// the application's settings live.

#include <windows.h>

#include <string>

class CWinApp {
 public:
  CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  virtual ~CWinApp();

  // Start-up; false ends the program at once.
  virtual bool InitInstance() = 0;
  // Called when the message queue is empty; true asks for more idle calls.
  virtual bool OnIdle(long count);
  // After the message loop; the process exit code.
  virtual int ExitInstance() { return exitCode_; }

  // InitInstance, then the message loop until WM_QUIT, then ExitInstance.
  int Run();

  // The window whose accelerators are translated and that owns dialogs
  // given no parent.
  HWND GetMainWindow() const { return mainWindow_; }
  void SetMainWindow(HWND window, HACCEL accelerators) {
    mainWindow_ = window;
    accelerators_ = accelerators;
  }

  // Settings then live under HKEY_CURRENT_USER\Software\<company>\<app>.
  void SetRegistryKey(const char* company);
  // "Software\<company>\<app>", or empty when no key was set.
  const std::string& RegistryKeyPath() const { return registryKeyPath_; }

 private:
  bool PreTranslateMessage(MSG& msg);

  HWND mainWindow_ = nullptr;
  HACCEL accelerators_ = nullptr;
  std::string registryKeyPath_;
  int exitCode_ = 0;
};

// The one application object.
CWinApp* AfxGetApp();
