#include "playback/target_rights_win32.h"

#include <windows.h>

#include <vector>

#include "framework/handles_win32.h"

namespace {

void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }
using UniqueKernelHandle = UniqueHandle<HANDLE, CloseKernelHandle>;

struct LevelRead {
  std::optional<std::uint32_t> level;
  bool refused = false;
};

LevelRead Refused() { return {std::nullopt, GetLastError() == ERROR_ACCESS_DENIED}; }

LevelRead LevelOf(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return Refused();
  const UniqueKernelHandle owned(token);
  DWORD size = 0;
  GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
  if (size < sizeof(TOKEN_MANDATORY_LABEL) || size > 1024) return {};
  std::vector<unsigned char> buffer(size);
  if (!GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size))
    return Refused();
  const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
  if (sid == nullptr || !IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0) return {};
  return {*GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1u), false};
}

}  // namespace

IntegrityLevels IntegrityLevelsOf(WindowId window) {
  IntegrityLevels levels;
  levels.own = LevelOf(GetCurrentProcess()).level;
  DWORD process_id = 0;
  GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &process_id);
  if (process_id == 0) return levels;
  const UniqueKernelHandle process(
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id));
  const LevelRead target = process ? LevelOf(process.get()) : Refused();
  levels.target = target.level;
  levels.target_refused = target.refused;
  return levels;
}
