#pragma once
// Where the main frame puts its children: the toolbar across the top, the
// status bar across the bottom, the view in between; and the status bar's
// panes, the key indicators at the right and the message pane taking the
// rest. Sizes in pixels; a hidden bar has height 0.

#include <array>

struct LayoutRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

struct FrameLayout {
  LayoutRect view;
  // Right edges of the message pane and the three indicators; the last is
  // -1, "to the end of the bar".
  std::array<int, 4> statusEdges{};
};

FrameLayout LayOutFrame(const LayoutRect& client, int toolBarHeight, int statusBarHeight,
                        const std::array<int, 3>& indicatorWidths, int sizeGripWidth);
