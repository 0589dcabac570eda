// A log-off, as Windows announces it: asks every top-level window of the
// program owning a window of the class named whether the session may end
// (WM_QUERYENDSESSION), then tells them all the outcome (WM_ENDSESSION).
//
//   zvk_e2e_end_session.exe <window class>
//
// Exit status: 0 the session ended, 1 a window refused, 2 no such window.
#include <windows.h>

#include <vector>

int main(int argc, char** argv) {
  const HWND known = argc == 2 ? FindWindowA(argv[1], nullptr) : nullptr;
  if (known == nullptr) return 2;
  DWORD program = 0;
  GetWindowThreadProcessId(known, &program);
  std::vector<HWND> windows;  // the program's top-level windows
  for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, nullptr, nullptr));) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == program) windows.push_back(window);
  }
  bool ending = true;
  // The program may ask the user first: the test answers within minutes.
  for (std::size_t i = 0; ending && i < windows.size(); ++i) {
    DWORD_PTR answer = 0;
    ending = SendMessageTimeoutA(windows[i], WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                 300000, &answer) &&
             answer != 0;
  }
  for (HWND window : windows) {
    SendMessageTimeoutA(window, WM_ENDSESSION, ending ? TRUE : FALSE, ENDSESSION_LOGOFF,
                        SMTO_NORMAL, 60000, nullptr);
  }
  return ending ? 0 : 1;
}
