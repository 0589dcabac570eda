#pragma once
// Where a toolbar dragged by its gripper (or its floating window's caption)
// goes when it is let go: docked along the side of the frame's client area
// that the pointer is near, or floating where it was dropped.

#include <optional>

#include "framework/frame_layout.h"

// Within reach pixels of a side, inside the client area or out from it, a
// drop docks there (the nearest side; top and bottom before left and
// right); anywhere else the bar floats (nothing). In screen coordinates.
std::optional<DockSide> DockSideForDrop(const LayoutRect& client, int x, int y, int reach);

// Whether a bar docked on that side lies along it (top, bottom) rather
// than standing up (left, right).
constexpr bool IsHorizontal(DockSide side) {
  return side == DockSide::top || side == DockSide::bottom;
}
