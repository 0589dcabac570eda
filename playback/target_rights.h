#pragma once
// Whether the keys of a run can reach the window that has the focus.
// Windows drops input from a program into a window whose process runs at a
// higher integrity level (an administrator's command prompt, an installer),
// without a word: a run checks first, types nothing there and says why.

#include <cstdint>
#include <optional>

// The integrity levels (the last part of the token's label: 0x2000 medium,
// 0x3000 high, ...) of this program and of the process behind a window.
struct IntegrityLevels {
  std::optional<std::uint32_t> own;     // nothing: not known
  std::optional<std::uint32_t> target;  // nothing: not known
  // Windows refused to tell the target's: it runs with more rights.
  bool target_refused = false;
};

bool MayTypeInto(const IntegrityLevels& levels);

inline constexpr const char* kElevatedTargetMessage =
    "Zorvakomat typed nothing: Windows does not let a program type into an administrator's "
    "window. Start Zorvakomat as administrator to type there.";
