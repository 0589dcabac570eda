#include "framework/bar_docking.h"

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
