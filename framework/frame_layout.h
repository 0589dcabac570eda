#pragma once
// Where the main frame puts its children: the status bar across the
// bottom, the toolbar docked along one side of what is left (or floating,
// taking no room), the view in the rest; and the status bar's panes, the
// key indicators at the right and the message pane taking the rest. Sizes
// in pixels.

#include <array>

struct LayoutRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

// The sides of the frame a toolbar docks to.
enum class DockSide { top, bottom, left, right };

struct DockedBar {
  DockSide side = DockSide::top;
  // Its height docked at the top or bottom, its width at the left or
  // right; 0 for a hidden or floating bar.
  int thickness = 0;
};

struct FrameLayout {
  // The docked toolbar's place: the whole width (top, bottom) or the whole
  // height between the top and the status bar (left, right).
  LayoutRect tool_bar;
  LayoutRect view;
  // Right edges of the message pane and the three indicators; the last is
  // -1, "to the end of the bar".
  std::array<int, 4> status_edges{};
};

// statusBarHeight 0: the status bar is hidden.
FrameLayout LayOutFrame(const LayoutRect& client, DockedBar tool_bar, int statusBarHeight,
                        const std::array<int, 3>& indicatorWidths, int sizeGripWidth);
