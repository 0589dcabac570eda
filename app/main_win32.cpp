// The program's entry point: the one application object runs. Before it is
// made, DLLs are confined to the system folder, so nothing the program
// loads later comes from its own folder or the current one.
#include <windows.h>

#include "app/zorvak_app_win32.h"
#include "framework/dll_search_win32.h"

namespace {

// Made before theApp: objects of one file are made in their order.
const bool dllSearchRestricted = (SearchDllsInTheSystemFolderOnly(), true);

CZorvakApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return dllSearchRestricted ? theApp.Run() : 1;
}
