// A log-off, as Windows announces it: asks every top-level window of the
// program owning a window of the class named whether the session may end
// (WM_QUERYENDSESSION), then tells them all the outcome (WM_ENDSESSION).
//
//   zvk_e2e_end_session.exe <window class>
//
// Exit status: 0 the session ended, 1 a window refused, 2 no such window.
#include <windows.h>

#include <vector>

namespace {

struct ProgramWindows {
  DWORD process;
  std::vector<HWND> windows;
};

BOOL CALLBACK Collect(HWND window, LPARAM lParam) {
  auto* program = reinterpret_cast<ProgramWindows*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == program->process) program->windows.push_back(window);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const HWND known = FindWindowA(argv[1], nullptr);
  if (known == nullptr) return 2;
  ProgramWindows program{0, {}};
  GetWindowThreadProcessId(known, &program.process);
  EnumWindows(&Collect, reinterpret_cast<LPARAM>(&program));
  bool ending = true;
  for (HWND window : program.windows) {
    // The program may ask the user first: the test answers within minutes.
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 300000, &answer) ||
        answer == 0) {
      ending = false;
      break;
    }
  }
  for (HWND window : program.windows) {
    SendMessageTimeoutA(window, WM_ENDSESSION, ending ? TRUE : FALSE, ENDSESSION_LOGOFF, SMTO_NORMAL, 60000,
                        nullptr);
  }
  return ending ? 0 : 1;
}
