#include "framework/resource_strings_win32.h"

#include <windows.h>

#include "framework/wnd_win32.h"

std::string LoadResourceString(unsigned id) {
  // A string table entry holds at most 4097 characters.
  char buffer[4100];
  const int length = LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}
