#include "view/tray_icon_win32.h"

#include <shellapi.h>

#include <cstring>

#include "framework/wnd_win32.h"
#include "resources/resource.h"

static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88,
              "the first version of the tray record is 88 bytes on x86");

namespace {

// Built afresh each time, with the same values for adding and deleting.
// The record is the first version's (88 bytes on x86), which every shell
// understands.
NOTIFYICONDATAA TrayRecord(HWND view) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = view;
  record.uID = TRAY_ICON_ID;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = WM_TRAY_NOTIFY;
  // The image drawn for the tray's size (16 px at 100%, 24 at 150%), not
  // the large icon shrunk; shared, so it is never freed.
  record.hIcon = static_cast<HICON>(
      LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  static constexpr char kTip[] = "Zorvakomat Keyboard Simulator";
  static_assert(sizeof kTip <= 64, "the first version's tip holds 64 characters");
  std::memcpy(record.szTip, kTip, sizeof kTip);
  return record;
}

}  // namespace

void AddTrayIcon(HWND view) {
  NOTIFYICONDATAA record = TrayRecord(view);
  Shell_NotifyIconA(NIM_ADD, &record);
}

void DeleteTrayIcon(HWND view) {
  NOTIFYICONDATAA record = TrayRecord(view);
  Shell_NotifyIconA(NIM_DELETE, &record);
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}
