#include "framework/bar_docking.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

std::optional<DockSide> DockSideForDrop(const LayoutRect& client, int x, int y, int reach) {
  const bool alongWidth = x >= client.left - reach && x < client.right + reach;
  const bool alongHeight = y >= client.top - reach && y < client.bottom + reach;
  const std::array<std::pair<DockSide, int>, 4> distances = {{
      {DockSide::top, alongWidth ? std::abs(y - client.top) : reach + 1},
      {DockSide::bottom, alongWidth ? std::abs(y - client.bottom) : reach + 1},
      {DockSide::left, alongHeight ? std::abs(x - client.left) : reach + 1},
      {DockSide::right, alongHeight ? std::abs(x - client.right) : reach + 1},
  }};
  std::optional<DockSide> nearest;
  int best = reach + 1;
  for (const auto& [side, distance] : distances) {
    if (distance < best) {
      best = distance;
      nearest = side;
    }
  }
  return nearest;
}

DockedBar DockingBar::Docked() const {
  if (!shown || floating) return {last_side, 0};
  const bool horizontal = IsHorizontal(last_side);
  const BarSize size = DockedWindowSize(horizontal);
  return {last_side, horizontal ? size.height : size.width};
}

BarSize DockingBar::DockedWindowSize(bool horizontal) const {
  if (horizontal) return {kGripper + row_.width + 2 * kPad, row_.height + 2 * kPad};
  return {column_.width + 2 * kPad, kGripper + column_.height + 2 * kPad};
}

LayoutRect DockingBar::GripperRect(LayoutRect client) const {
  if (Horizontal()) {
    client.right = std::min(client.right, kGripper + kPad);
  } else {
    client.bottom = std::min(client.bottom, kGripper + kPad);
  }
  return client;
}

std::pair<int, int> DockingBar::ButtonsOrigin(bool horizontal) {
  if (horizontal) return {kGripper + kPad, kPad};
  return {kPad, kGripper + kPad};
}

LayoutRect DockingBar::DropRect(int x, int y, std::pair<int, int> grab, BarSize size) {
  const int left = x - std::min(grab.first, size.width - 1);
  const int top = y - std::min(grab.second, size.height - 1);
  return {left, top, left + size.width, top + size.height};
}
