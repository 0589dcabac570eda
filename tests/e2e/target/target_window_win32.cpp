// The end-to-end tests' target, a window filled by a multi-line edit box:
//
//   zvk_e2e_target.exe <report> <keylog> [hotkey]
//
// writes the box's whole text to <report> (atomically) once the window shows
// and after every change, and a line per key message it sees to <keylog>
// ("keydown 09", "char 61", "keyup 10"), keys that change no text too.
// With "hotkey" it holds Ctrl+Alt+Z (and ends at once if it cannot).
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr char kClassName[] = "ZvkE2ETargetWindow";

std::string g_reportPath;
std::ofstream g_keyLog;
HWND g_edit = nullptr;
WNDPROC g_editDefaultProc = nullptr;

void WriteReport() {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(g_edit)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(g_edit, text.data(), static_cast<int>(text.size()))));
  const std::string temporary = g_reportPath + ".tmp";
  if (std::ofstream(temporary, std::ios::binary | std::ios::trunc) << text) {
    MoveFileExA(temporary.c_str(), g_reportPath.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const char* name = message == WM_KEYDOWN ? "keydown"
                     : message == WM_KEYUP ? "keyup"
                     : message == WM_CHAR  ? "char"
                                           : nullptr;
  if (name) {
    char line[48];
    std::snprintf(line, sizeof line, "%s %02x\n", name, static_cast<unsigned>(wParam & 0xFFFF));
    g_keyLog << line << std::flush;
  }
  return CallWindowProcA(g_editDefaultProc, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK TargetWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      g_edit = CreateWindowExA(
          WS_EX_CLIENTEDGE, "EDIT", "",
          WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
          0, 0, hwnd, nullptr, reinterpret_cast<CREATESTRUCTA*>(lParam)->hInstance, nullptr);
      if (!g_edit) return -1;
      g_editDefaultProc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(g_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc)));
      return 0;
    case WM_SIZE:
      MoveWindow(g_edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(g_edit);
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_CHANGE) WriteReport();  // from the one control
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc != 3 && __argc != 4) return 2;
  g_reportPath = __argv[1];
  g_keyLog.open(__argv[2], std::ios::binary | std::ios::trunc);

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &TargetWndProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassA(&windowClass)) return 1;
  // A fixed place in the upper left, clear of the taskbar and of the tray
  // menu, which opens at the lower right.
  HWND window = CreateWindowExA(0, kClassName, "Zorvakomat Target", WS_OVERLAPPEDWINDOW, 40, 40,
                                640, 420, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  // A third argument: the target holds Ctrl+Alt+Z, as another program may.
  if (__argc == 4 && !RegisterHotKey(window, 1, MOD_CONTROL | MOD_ALT, 'Z')) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  WriteReport();

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
