// The end-to-end tests' target, a window filled by a multi-line edit box:
//
//   zvk_e2e_target.exe <report> <keylog> [wide] [hotkey]
//
// writes the box's whole text to <report> (atomically) once the window shows
// and after every change, and a line per key message its queue brings the
// box to <keylog> ("keydown 09", "char 61", "keyup 10", characters in
// UTF-16), keys that change no text too. With "wide" the box is a Unicode
// one and the report is UTF-8; without, it is an ANSI one and the report is
// in the ANSI code page (the window around it is a Unicode one either way:
// Windows gives the box characters of its kind). With "hotkey" it holds
// Ctrl+Alt+Z (and ends at once if it cannot).
#include <windows.h>

#include <fstream>
#include <iomanip>
#include <string>

namespace {

constexpr wchar_t kClassName[] = L"ZvkE2ETargetWindow";

std::string g_reportPath;
std::ofstream g_keyLog;
HWND g_edit = nullptr;
bool g_wide = false;

// The box's text in UTF-8 (wide) or in the ANSI code page, at most three
// bytes a UTF-16 unit.
std::string EditText() {
  std::wstring units(static_cast<size_t>(GetWindowTextLengthW(g_edit)) + 1, L'\0');
  const int count = GetWindowTextW(g_edit, units.data(), static_cast<int>(units.size()));
  std::string text(static_cast<size_t>(count) * 3, '\0');
  text.resize(static_cast<size_t>(
      WideCharToMultiByte(g_wide ? CP_UTF8 : CP_ACP, 0, units.data(), count, text.data(),
                          static_cast<int>(text.size()), nullptr, nullptr)));
  return text;
}

void WriteReport() {
  const std::string temporary = g_reportPath + ".tmp";
  if (std::ofstream(temporary, std::ios::binary | std::ios::trunc) << EditText())
    MoveFileExA(temporary.c_str(), g_reportPath.c_str(), MOVEFILE_REPLACE_EXISTING);
}

LRESULT CALLBACK TargetWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      constexpr DWORD kStyle =
          WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
      const HINSTANCE instance = reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance;
      g_edit = g_wide ? CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", kStyle, 0, 0, 0, 0, hwnd,
                                        nullptr, instance, nullptr)
                      : CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", kStyle, 0, 0, 0, 0, hwnd,
                                        nullptr, instance, nullptr);
      return g_edit ? 0 : -1;
    }
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
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  bool holdHotkey = false;
  for (int i = 3; i < __argc; ++i) {
    const std::string option = __argv[i];
    if (option != "wide" && option != "hotkey") return 2;
    (option == "wide" ? g_wide : holdHotkey) = true;
  }
  if (__argc < 3) return 2;
  g_reportPath = __argv[1];
  g_keyLog.open(__argv[2], std::ios::binary | std::ios::trunc);
  g_keyLog << std::hex << std::setfill('0');

  // A fixed place in the upper left, clear of the taskbar and of the tray
  // menu, which opens at the lower right.
  const WNDCLASSW windowClass{0, &TargetWndProc, 0, 0, instance, {}, {}, {}, {}, kClassName};
  if (!RegisterClassW(&windowClass)) return 1;
  const HWND window = CreateWindowExW(0, kClassName, L"Zorvakomat Target", WS_OVERLAPPEDWINDOW, 40,
                                      40, 640, 420, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  // Held as another program may hold it.
  if (holdHotkey && !RegisterHotKey(window, 1, MOD_CONTROL | MOD_ALT, 'Z')) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  WriteReport();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    const UINT kind = message.message;
    const char* name = kind == WM_KEYDOWN ? "keydown"
                       : kind == WM_KEYUP ? "keyup"
                       : kind == WM_CHAR  ? "char"
                                          : nullptr;
    if (name && message.hwnd == g_edit) {
      g_keyLog << name << ' ' << std::setw(2) << (message.wParam & 0xFFFF) << '\n' << std::flush;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
