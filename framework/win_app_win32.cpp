#include "framework/win_app_win32.h"

#include "framework/app_name.h"

namespace {

CWinApp* theApp = nullptr;

// Messages that do not count as activity for the idle processing.
bool IsIdleMessage(const MSG& msg) {
  return msg.message != WM_PAINT && msg.message != WM_TIMER && msg.message != 0x0118;
}

}  // namespace

CWinApp* AfxGetApp() { return theApp; }

CWinApp::CWinApp() { theApp = this; }

CWinApp::~CWinApp() {
  if (theApp == this) theApp = nullptr;
}

bool CWinApp::OnIdle(long /*count*/) { return false; }

void CWinApp::SetRegistryKey(const char* company) {
  registry_key_path_ = std::string("Software\\") + company + "\\" + kAppName;
}

bool CWinApp::PreTranslateMessage(MSG& msg) {
  if (accelerators_ == nullptr || main_window_ == nullptr) return false;
  if (msg.hwnd != main_window_ && !IsChild(main_window_, msg.hwnd)) return false;
  return TranslateAcceleratorA(main_window_, accelerators_, &msg) != 0;
}

int CWinApp::Run() {
  if (!InitInstance()) {
    // A start-up that failed ends the program with a failure status.
    exit_code_ = start_exit_code_;
    return ExitInstance();
  }
  MSG msg{};
  bool idle = true;
  long idleCount = 0;
  for (;;) {
    while (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idleCount++)) idle = false;
    }
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (!PreTranslateMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (IsIdleMessage(msg)) {
      idle = true;
      idleCount = 0;
    }
  }
  exit_code_ = static_cast<int>(msg.wParam);
  return ExitInstance();
}
