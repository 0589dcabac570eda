// A DLL the unit tests lay beside themselves, as one might be planted
// beside the program: a name the system does not have.
#include <windows.h>

extern "C" __declspec(dllexport) int ZvkPlantedMarker() { return 1; }

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
