// The end-to-end tests' target: a window filled by one multi-line edit box
// that reports everything it receives, so a test can read what a pick typed.
//
//   zvk_e2e_target.exe <report> <keylog>
//
// <report>  the edit box's whole text, rewritten (atomically, through a
//           temporary file) once the window shows and after every change;
// <keylog>  one line per key message the edit box sees ("keydown 09",
//           "keyup 09", "char 61", "syskeydown 12", "syskeyup 12"), so that
//           keys which change no text show too.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr char kClassName[] = "ZvkE2ETargetWindow";
constexpr char kTitle[] = "Zorvakomat Target";
constexpr int kEditId = 100;

struct TargetState {
  std::string reportPath;
  std::ofstream keyLog;
  HWND edit = nullptr;
  WNDPROC editDefaultProc = nullptr;
};

TargetState g_state;

// Writes the whole file next to its final place and then moves it there, so
// a reader never sees half a report.
void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return;
  }
  MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::string EditText(HWND edit) {
  const int length = GetWindowTextLengthA(edit);
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(edit, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

void WriteReport() { WriteFileAtomically(g_state.reportPath, EditText(g_state.edit)); }

const char* KeyMessageName(UINT message) {
  switch (message) {
    case WM_KEYDOWN: return "keydown";
    case WM_KEYUP: return "keyup";
    case WM_CHAR: return "char";
    case WM_SYSKEYDOWN: return "syskeydown";
    case WM_SYSKEYUP: return "syskeyup";
    default: return nullptr;
  }
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (const char* name = KeyMessageName(message); name && g_state.keyLog) {
    char line[48];
    std::snprintf(line, sizeof line, "%s %02x\n", name, static_cast<unsigned>(wParam & 0xFFFF));
    g_state.keyLog << line << std::flush;
  }
  return CallWindowProcA(g_state.editDefaultProc, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK TargetWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      g_state.edit = CreateWindowExA(
          WS_EX_CLIENTEDGE, "EDIT", "",
          WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
          0, 0, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)),
          reinterpret_cast<CREATESTRUCTA*>(lParam)->hInstance, nullptr);
      if (!g_state.edit) return -1;
      g_state.editDefaultProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
          g_state.edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc)));
      return 0;
    }
    case WM_SIZE:
      MoveWindow(g_state.edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(g_state.edit);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_CHANGE) WriteReport();
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
  if (__argc != 3) {
    MessageBoxA(nullptr, "Usage: zvk_e2e_target <report> <keylog>", kTitle, MB_OK);
    return 2;
  }
  g_state.reportPath = __argv[1];
  g_state.keyLog.open(__argv[2], std::ios::binary | std::ios::trunc);

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &TargetWndProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassA(&windowClass)) return 1;

  // A fixed place in the upper left, clear of the taskbar and of the tray
  // menu, which opens at the lower right.
  HWND window = CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, 40, 40, 640, 420,
                                nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  WriteReport();

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
