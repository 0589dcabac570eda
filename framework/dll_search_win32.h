#pragma once
// Where the program looks for a DLL that it, or a system component on its
// behalf (the file dialogs, the shell), loads by name: only the system
// folder. A DLL lying beside the program (in Downloads, say, beside the
// portable program) or in the current folder (a shared document's) is
// never loaded in a system DLL's place.

// Called first thing at start, before anything else is loaded. On a
// system without SetDefaultDllDirectories (Windows 7 before KB2533623) it
// at least takes the current folder out of the search.
void SearchDllsInTheSystemFolderOnly();
