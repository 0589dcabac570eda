// A log-off, as Windows announces it to the window of the class named: may
// the session end (WM_QUERYENDSESSION), then the outcome (WM_ENDSESSION).
// The program's other windows would answer as DefWindowProc does: yes.
//
//   zvk_e2e_end_session.exe <window class>
//
// Exit status: 0 the session ended, 1 the window refused, 2 no such window.
#include <windows.h>

int main(int argc, char** argv) {
  const HWND window = argc == 2 ? FindWindowA(argv[1], nullptr) : nullptr;
  if (window == nullptr) return 2;
  // The program may ask the user first: the test answers within minutes.
  DWORD_PTR answer = 0;
  const bool ending = SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                          SMTO_NORMAL, 300000, &answer) && answer;
  SendMessageTimeoutA(window, WM_ENDSESSION, ending, ENDSESSION_LOGOFF, SMTO_NORMAL, 60000,
                      nullptr);
  return ending ? 0 : 1;
}
