#pragma once
// Where a toolbar dragged by its gripper (or its floating window's caption)
// goes when it is let go: docked along the side of the frame's client area
// that the pointer is near, or floating where it was dropped.

#include <optional>
#include <utility>

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

// A width and a height in pixels.
struct BarSize {
  int width = 0, height = 0;
  friend bool operator==(const BarSize&, const BarSize&) = default;
};

// The docking toolbar's state (shown, floating, the side it last docked to)
// and its shape: the windows' sizes for the buttons laid out in a row or a
// column, its gripper, where a drag would put it. The Windows side measures
// the buttons and moves the windows.
class DockingBar {
 public:
  static constexpr int kPad = 2;      // around the buttons
  static constexpr int kGripper = 9;  // the gripper's strip, before the buttons

  // The buttons' extent laid out in a row (horizontal) or in a column.
  void SetButtonExtent(bool horizontal, BarSize size) { (horizontal ? row_ : column_) = size; }

  bool shown = true;
  bool floating = false;
  DockSide last_side = DockSide::top;

  // A floating bar is always a row; a docked one follows its side.
  bool Horizontal() const { return floating || IsHorizontal(last_side); }
  // The side and thickness the frame's layout gives the bar (thickness 0
  // while it floats or is hidden).
  DockedBar Docked() const;
  // The docked window's size along a side of that direction.
  BarSize DockedWindowSize(bool horizontal) const;
  // The floating window's client size (a row).
  BarSize FloatingClientSize() const { return {row_.width + 2 * kPad, row_.height + 2 * kPad}; }
  // The gripper within the docked window's client area.
  LayoutRect GripperRect(LayoutRect client) const;
  // Where the buttons sit in the docked window, from its top-left.
  static std::pair<int, int> ButtonsOrigin(bool horizontal);
  // How near a side a drop docks: about as far as a docked bar reaches in.
  int DropReach() const { return row_.height + 2 * kPad + kGripper; }
  // A window of that size dropped at (x, y), held where it was taken
  // (grab, from its top-left) as far as its new shape allows.
  static LayoutRect DropRect(int x, int y, std::pair<int, int> grab, BarSize size);

 private:
  BarSize row_;
  BarSize column_;
};
