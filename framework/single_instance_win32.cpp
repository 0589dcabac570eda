#include "framework/single_instance_win32.h"

#include <utility>

namespace {

// How long a later start waits for the first to take its command line.
constexpr UINT kSendTimeoutMs = 5000;

}  // namespace

Win32Instance::Win32Instance(std::string mutexName, std::string windowClass)
    : mutex_name_(std::move(mutexName)), window_class_(std::move(windowClass)) {}

Win32Instance::~Win32Instance() {
  if (owned_) ReleaseMutex(mutex_);
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

bool Win32Instance::TryBecomeFirst() {
  if (mutex_ == nullptr) {
    mutex_ = CreateMutexA(nullptr, FALSE, mutex_name_.c_str());
    // Another start holds a mutex this one may not open (it runs with
    // other rights): it is the first. Any other failure leaves no way to
    // tell, and the program runs as it always did.
    if (mutex_ == nullptr) return GetLastError() != ERROR_ACCESS_DENIED;
  }
  // Free, or left behind by a start that ended without letting it go.
  const DWORD wait = WaitForSingleObject(mutex_, 0);
  owned_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
  return owned_;
}

bool Win32Instance::SendToFirst(std::uint32_t tag, std::string_view data) {
  const HWND first = FindWindowA(window_class_.c_str(), nullptr);
  if (first == nullptr) return false;
  // The first may then bring its windows to the front.
  DWORD process = 0;
  GetWindowThreadProcessId(first, &process);
  AllowSetForegroundWindow(process);
  COPYDATASTRUCT copy{};
  copy.dwData = tag;
  copy.cbData = static_cast<DWORD>(data.size());
  copy.lpData = const_cast<char*>(data.data());
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(first, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer) != 0 &&
         answer == TRUE;
}

std::string CurrentUserName() {
  char name[257] = {};
  DWORD size = sizeof name;
  if (!GetUserNameA(name, &size)) return {};
  return name;
}

void AcceptHandOvers(HWND window) {
  ChangeWindowMessageFilterEx(window, WM_COPYDATA, MSGFLT_ALLOW, nullptr);
}

std::optional<HandOver> ReadHandOver(LPARAM copyData) {
  const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(copyData);
  if (copy == nullptr || (copy->cbData != 0 && copy->lpData == nullptr)) return std::nullopt;
  return DecodeHandOver(static_cast<std::uint32_t>(copy->dwData),
                        std::string_view(static_cast<const char*>(copy->lpData), copy->cbData));
}
