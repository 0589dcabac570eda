#pragma once
// One program per user session. The first start holds a named mutex; a
// later start hands its command line to the first one's window and ends.
// The messages carried from one start to the other, what a later start
// does while the first one is still coming up or going away, and what the
// first one does with what it was handed are decided here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The name of the mutex the first start of a user holds, in the session's
// own namespace. A user name may hold characters a kernel object's name
// may not (a backslash of "DOMAIN\user"); those become "_".
std::string InstanceMutexName(std::string_view appName, std::string_view userName);

// What a later start hands over: the full path of the file its command
// line names, or none (an empty path).
struct HandOver {
  std::string file;
};

// The tag that marks a hand-over among the data other programs may send.
inline constexpr std::uint32_t kHandOverTag = 0x5A564B31;  // "ZVK1"
// The longest path a hand-over may carry, in bytes: the longest path
// Windows has, 32767 UTF-16 units, in UTF-8 (at most three bytes a unit).
inline constexpr std::size_t kMaxHandOverPath = std::size_t{3} * 32767;

std::string EncodeHandOver(const HandOver& handOver);
// Nothing unless the data is a hand-over: the tag, a path of no more than
// kMaxHandOverPath bytes, no NUL in it.
std::optional<HandOver> DecodeHandOver(std::uint32_t tag, std::string_view data);

// The system's side of one start's claim.
class InstancePort {
 public:
  // True when this start now holds the mutex: no other start holds it (or
  // the one that did has ended).
  virtual bool TryBecomeFirst() = 0;
  // Hands the data to the first start's window; false when there is no
  // such window yet (or no longer) or it did not take the data.
  virtual bool SendToFirst(std::uint32_t tag, std::string_view data) = 0;
  virtual void Wait(std::uint32_t milliseconds) = 0;

 protected:
  ~InstancePort() = default;
};

enum class StartClaim {
  first,       // this start is the program
  handedOver,  // the first one has the command line: this start ends
  noAnswer,    // another start holds the mutex but never took the data
};

// How often and how long a later start tries before it gives up: the first
// may still be making its window, or be ending.
inline constexpr int kHandOverAttempts = 100;
inline constexpr std::uint32_t kHandOverRetryMs = 100;

StartClaim ClaimOrHandOver(InstancePort& port, const HandOver& handOver);

// What the first start does with a hand-over it holds: nothing while a
// modal window of the program is open but bring that window forward (the
// hand-over waits until it is closed, so no command runs inside another);
// otherwise open the file, or show the main window when none was named.
enum class HandOverAction { bringModalWindowForward, openFile, showMainWindow };
HandOverAction DecideHandOver(const HandOver& handOver, bool modalWindowOpen);

// Told by a later start that found the first one not answering.
inline constexpr const char* kNoAnswerMessage =
    "Zorvakomat is already running, but it does not answer. Wait a moment and try "
    "again, or end the other Zorvakomat in the Task Manager.";
