#include "app/zorvak_app_win32.h"

#include <commctrl.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "app/about_dlg_win32.h"
#include "document_commands/command_line.h"
#include "document_commands/shell_registration_win32.h"
#include "framework/resource_strings_win32.h"
#include "resources/resource.h"

namespace {

std::vector<std::string> ProgramArguments() {
  std::vector<std::string> args;
  for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i]);
  return args;
}

}  // namespace

CZorvakApp::CZorvakApp() : document_commands_(doc_, messages_) {}

bool CZorvakApp::InitInstance() {
  // The bars of the main frame are common controls.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  // Settings live under HKEY_CURRENT_USER\Software\Zorvak\Zorvakomat.
  SetRegistryKey("Zorvak");

  // The recent-file list (4 entries).
  profile_ = std::make_unique<Win32RegistryProfile>(RegistryKeyPath());
  document_commands_.RecentFiles().ReadList(*profile_);

  // The ".zvk" file type, registered with the shell at every start. A
  // registration that fails costs only the double click on a file.
  RegisterShellFileTypes();

  // The command line: a new empty document, or the document it names. The
  // frame and the view come first, as the document is shown in them.
  if (!CreateMainFrame()) {
    messages_.AfxMessageBox(LoadResourceString(IDP_FAILED_TO_CREATE_DOC));
    return false;
  }
  if (!document_commands_.ProcessShellCommand(ParseCommandLine(ProgramArguments()))) {
    frame_.reset();
    return false;
  }

  // The pick and search hotkeys; a key that cannot be had is told in the
  // status bar.
  pick_hotkey_ = std::make_unique<PickHotkeyRegistration>(*profile_, frame_->View().hwnd);
  search_hotkey_ = std::make_unique<PickHotkeyRegistration>(*profile_, frame_->View().hwnd,
                                                            kSearchHotkey, pick_hotkey_->Key());
  std::string problems = pick_hotkey_->Problem();
  if (!problems.empty() && !search_hotkey_->Problem().empty()) problems += " ";
  problems += search_hotkey_->Problem();
  if (!problems.empty()) frame_->SetMessageText(problems);

  // Shown now; the view's first paint hides it again and the program
  // waits in the tray.
  ShowWindow(frame_->hwnd, SW_SHOW);
  UpdateWindow(frame_->hwnd);
  return true;
}

bool CZorvakApp::CreateMainFrame() {
  frame_ = std::make_unique<CMainFrame>(doc_, document_commands_, shell_, *this);
  if (!frame_->Create()) {
    frame_.reset();
    return false;
  }
  messages_.SetOwner(reinterpret_cast<std::uintptr_t>(frame_->hwnd));
  SetMainWindow(frame_->hwnd,
                LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)));
  document_commands_.SetFrame(
      frame_->hwnd, frame_->View().hwnd, [this] { OnTitleChanged(); },
      [this] { OnContentChanged(); });
  frame_->SetEndSessionHandler([this] { WriteSettings(); });
  return true;
}

void CZorvakApp::OnTitleChanged() {
  if (frame_ && frame_->hwnd != nullptr) frame_->UpdateFrameTitle(doc_.GetTitle());
}

void CZorvakApp::OnContentChanged() {
  if (frame_ && frame_->hwnd != nullptr) {
    frame_->View().OnDocumentChanged();
    InvalidateRect(frame_->View().hwnd, nullptr, TRUE);
  }
}

bool CZorvakApp::OnIdle(long count) {
  if (count == 0 && frame_ && frame_->hwnd != nullptr) frame_->OnIdleUpdate();
  return false;
}

int CZorvakApp::ExitInstance() {
  // After the tray's Exit the frame still stands: it goes now, quietly,
  // after the hotkey registered for its view.
  pick_hotkey_.reset();
  frame_.reset();
  WriteSettings();
  return CWinApp::ExitInstance();
}

void CZorvakApp::WriteSettings() {
  if (profile_) document_commands_.RecentFiles().WriteList(*profile_);
}

bool CZorvakApp::OnCmdMsg(int id) {
  switch (id) {
    case ID_APP_ABOUT:
      OnAppAbout();
      return true;
    case ID_APP_EXIT:
      if (frame_ && frame_->hwnd != nullptr) SendMessageA(frame_->hwnd, WM_CLOSE, 0, 0);
      return true;
    default:
      return false;
  }
}

void CZorvakApp::OnAppAbout() {
  CAboutDlg about;
  about.DoModal();
}
