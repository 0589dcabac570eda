#include "framework/single_instance.h"

#include "storage/legacy_code_page.h"
#include "storage/utf8.h"

std::string InstanceMutexName(std::string_view appName, std::string_view userName) {
  std::string name = "Local\\";
  name += appName;
  name += '-';
  for (const char c : userName) name += (c == '\\' || c == '\0') ? '_' : c;
  return name;
}

std::string EncodeHandOver(const HandOver& handOver) { return handOver.file; }

std::optional<HandOver> DecodeHandOver(std::uint32_t tag, std::string_view data) {
  if (tag != kHandOverTag || data.size() > kMaxHandOverPath) return std::nullopt;
  if (data.find('\0') != std::string_view::npos) return std::nullopt;
  // An older version sends its path in the legacy code page, not in UTF-8.
  return HandOver{IsUtf8(data) ? std::string(data) : LegacyToUtf8(data)};
}

StartClaim ClaimOrHandOver(InstancePort& port, const HandOver& handOver) {
  const std::string data = EncodeHandOver(handOver);
  for (int attempt = 0; attempt < kHandOverAttempts; ++attempt) {
    if (port.TryBecomeFirst()) return StartClaim::first;
    if (port.SendToFirst(kHandOverTag, data)) return StartClaim::handedOver;
    port.Wait(kHandOverRetryMs);
  }
  return StartClaim::noAnswer;
}

HandOverAction DecideHandOver(const HandOver& handOver, bool modalWindowOpen) {
  if (modalWindowOpen) return HandOverAction::bringModalWindowForward;
  return handOver.file.empty() ? HandOverAction::showMainWindow : HandOverAction::openFile;
}
