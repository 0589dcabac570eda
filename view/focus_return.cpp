#include "view/focus_return.h"

#include <utility>

std::optional<FocusTarget> FocusReturn::AfterPick(WindowPresence& windows) {
  std::optional<FocusTarget> target = std::exchange(target_, std::nullopt);
  if (!target || target->window == 0 || !windows.Exists(target->window)) return std::nullopt;
  // A control that has gone since leaves the focus to its window.
  if (target->control != 0 && !windows.Exists(target->control)) target->control = 0;
  return target;
}
