// The program's entry point: the one application object runs.
#include <windows.h>

#include "app/zorvak_app_win32.h"

namespace {

CZorvakApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return theApp.Run(); }
