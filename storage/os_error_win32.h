#pragma once
// Windows errors as the file failures the user is told about.

#include <windows.h>

#include <string>

// The file error cause for a Windows error code.
int FileCauseFromOsError(DWORD error);
[[noreturn]] void ThrowFileError(DWORD error, const std::string& path);
