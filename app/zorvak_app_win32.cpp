#include "app/zorvak_app_win32.h"

#include <commctrl.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "app/about_dlg_win32.h"
#include "document_commands/command_line.h"
#include "document_commands/shell_registration_win32.h"
#include "framework/app_name.h"
#include "framework/modal_window.h"
#include "framework/modal_window_win32.h"
#include "framework/resource_strings_win32.h"
#include "playback/restore_clipboard_setting.h"
#include "resources/resource.h"
#include "settings/ini_profile.h"
#include "storage/file_path.h"

namespace {

// Zorvakomat.ini beside the program, or empty when it is not there.
std::string PortableSettingsPath(FileSystemPort& files) {
  char path[MAX_PATH * 4] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return {};
  const std::string ini = FolderOf(std::string(path, length)) + "\\" + kPortableSettingsFile;
  return files.Exists(ini) ? ini : std::string();
}

std::vector<std::string> ProgramArguments() {
  std::vector<std::string> args;
  for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i]);
  return args;
}

}  // namespace

CZorvakApp::CZorvakApp() : document_commands_(doc_, messages_) {}

bool CZorvakApp::InitInstance() {
  // One program per user session: a later start hands its command line
  // over and ends before it touches the settings or shows anything.
  const CommandLineInfo commandLine = ParseCommandLine(ProgramArguments());
  if (!ClaimInstance(commandLine)) return false;

  // The bars of the main frame are common controls.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  // Settings live under HKEY_CURRENT_USER\Software\Zorvak\Zorvakomat.
  SetRegistryKey("Zorvak");

  // The portable program keeps its settings in its own folder and leaves
  // the registry alone.
  const std::string portable = PortableSettingsPath(settings_files_);
  if (portable.empty()) {
    profile_ = std::make_unique<Win32RegistryProfile>(RegistryKeyPath());
  } else {
    auto ini = std::make_unique<IniProfile>(settings_files_, portable);
    settings_problem_ = ini->Problem();
    profile_ = std::move(ini);
  }
  // The recent-file list (4 entries).
  document_commands_.RecentFiles().ReadList(*profile_);

  // The ".zvk" file type, registered with the shell at every start (not
  // by the portable program). A registration that fails costs only the
  // double click on a file.
  if (portable.empty()) RegisterShellFileTypes();

  // The command line: a new empty document, or the document it names. The
  // frame and the view come first, as the document is shown in them.
  if (!CreateMainFrame()) {
    messages_.AfxMessageBox(LoadResourceString(IDP_FAILED_TO_CREATE_DOC));
    return false;
  }
  if (!document_commands_.ProcessShellCommand(commandLine)) {
    frame_.reset();
    return false;
  }

  // The pick and search hotkeys and the clipboard's give-back; a setting
  // that cannot be used is told in the status bar.
  pick_hotkey_ = std::make_unique<PickHotkeyRegistration>(*profile_, frame_->View().hwnd);
  search_hotkey_ = std::make_unique<PickHotkeyRegistration>(*profile_, frame_->View().hwnd,
                                                            kSearchHotkey, pick_hotkey_->Key());
  const RestoreClipboardSetting restore = ReadRestoreClipboard(*profile_);
  frame_->View().SetGiveBackClipboard(restore.on);
  std::string problems = settings_problem_;
  for (const std::string* problem :
       {&pick_hotkey_->Problem(), &search_hotkey_->Problem(), &restore.problem}) {
    if (!problem->empty()) problems += (problems.empty() ? "" : " ") + *problem;
  }
  if (!problems.empty()) frame_->SetMessageText(problems);

  // Shown now; the view's first paint hides it again and the program
  // waits in the tray.
  ShowWindow(frame_->hwnd, SW_SHOW);
  UpdateWindow(frame_->hwnd);
  return true;
}

bool CZorvakApp::ClaimInstance(const CommandLineInfo& commandLine) {
  instance_ =
      std::make_unique<Win32Instance>(InstanceMutexName(kAppName, CurrentUserName()), kFrameClass);
  HandOver handOver;
  // The first start may run in another folder: the path goes over whole.
  if (commandLine.command == CommandLineInfo::Command::fileOpen) {
    char full[MAX_PATH * 4] = {};
    const DWORD length =
        GetFullPathNameA(commandLine.file_name.c_str(), sizeof full, full, nullptr);
    handOver.file = length > 0 && length < sizeof full ? std::string(full) : commandLine.file_name;
  }
  switch (ClaimOrHandOver(*instance_, handOver)) {
    case StartClaim::first:
      return true;
    case StartClaim::handedOver:
      SetStartExitCode(0);
      return false;
    case StartClaim::noAnswer:
      messages_.AfxMessageBox(kNoAnswerMessage);
      return false;
  }
  return false;
}

void CZorvakApp::OnHandOver(const HandOver& handOver) {
  // The newest start counts; it is carried out once the frame's queue
  // comes round to it (after a run, after a modal window).
  pending_hand_over_ = handOver;
  if (DecideHandOver(handOver, ModalWindowScope::AnyOpen()) ==
      HandOverAction::bringModalWindowForward) {
    BringModalWindowForward(frame_->hwnd);
  }
  PostMessageA(frame_->hwnd, WM_NULL, 0, 0);
}

void CZorvakApp::CarryOutHandOver() {
  if (!pending_hand_over_ || !frame_ || frame_->hwnd == nullptr) return;
  const HandOver handOver = *pending_hand_over_;
  switch (DecideHandOver(handOver, ModalWindowScope::AnyOpen())) {
    case HandOverAction::bringModalWindowForward:
      return;  // kept until the modal window is closed
    case HandOverAction::showMainWindow:
      pending_hand_over_.reset();
      frame_->View().ShowMainWindow();
      return;
    case HandOverAction::openFile:
      pending_hand_over_.reset();
      document_commands_.OnTrayOpenFile(handOver.file);
      return;
  }
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
  frame_->SetHandOverHandler([this](const HandOver& handOver) { OnHandOver(handOver); });
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
  if (count == 0 && frame_ && frame_->hwnd != nullptr) {
    frame_->OnIdleUpdate();
    CarryOutHandOver();
  }
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
