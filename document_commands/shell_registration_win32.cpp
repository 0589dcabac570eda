#include "document_commands/shell_registration_win32.h"

#include <windows.h>

#include <vector>

#include "document_commands/document_type.h"
#include "document_commands/shell_registration.h"
#include "settings/registry_value_win32.h"

std::string ProgramShortPath() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) break;
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
  std::vector<char> shortPath(path.size());
  const DWORD length =
      GetShortPathNameA(path.data(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
  // Without a short form the long one serves (the command quotes it).
  if (length == 0 || length >= shortPath.size()) return path.data();
  return shortPath.data();
}

bool RegisterShellFileTypes(const std::string& classesKey) {
  const std::string exe = ProgramShortPath();
  if (exe.empty()) return false;
  const std::string typeKey = classesKey + "\\" + kFileTypeId;
  bool ok = WriteRegString(HKEY_CURRENT_USER, typeKey, "", kFileTypeName);
  ok = WriteRegString(HKEY_CURRENT_USER, typeKey + "\\shell\\open\\command", "",
                      ShellOpenCommand(exe)) &&
       ok;
  // What the user's shell sees for ".zvk", machine-wide or per user: a
  // registration of another program's is left alone.
  if (ShouldClaimExtension(ReadRegString(HKEY_CLASSES_ROOT, kDocumentExtension, ""))) {
    ok = WriteRegString(HKEY_CURRENT_USER, classesKey + "\\" + kDocumentExtension, "",
                        kFileTypeId) &&
         ok;
  }
  return ok;
}
