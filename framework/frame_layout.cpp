#include "framework/frame_layout.h"

#include <algorithm>

FrameLayout LayOutFrame(const LayoutRect& client, DockedBar tool_bar, int statusBarHeight,
                        const std::array<int, 3>& indicatorWidths, int sizeGripWidth) {
  FrameLayout layout;
  // A window smaller than its bars leaves the view empty, never inverted:
  // each bar takes at most what is left.
  LayoutRect rest = client;
  rest.bottom = std::max(client.bottom - std::max(statusBarHeight, 0), client.top);
  const int thickness = std::max(tool_bar.thickness, 0);
  LayoutRect bar = rest;
  switch (tool_bar.side) {
    case DockSide::top:
      rest.top = bar.bottom = std::min(rest.top + thickness, rest.bottom);
      break;
    case DockSide::bottom:
      rest.bottom = bar.top = std::max(rest.bottom - thickness, rest.top);
      break;
    case DockSide::left:
      rest.left = bar.right = std::min(rest.left + thickness, rest.right);
      break;
    case DockSide::right:
      rest.right = bar.left = std::max(rest.right - thickness, rest.left);
      break;
  }
  layout.tool_bar = thickness > 0 ? bar : LayoutRect{};
  layout.view = rest;

  // From the right: the size grip, then SCRL, NUM, CAP; what is left of
  // them is the message pane. Edges never fall below 0 nor out of order.
  int edge = client.right - client.left - std::max(sizeGripWidth, 0);
  std::array<int, 4> edges{};
  for (int i = 3; i >= 1; --i) {
    edges[i] = std::max(edge, 0);
    edge -= std::max(indicatorWidths[i - 1], 0);
  }
  edges[0] = std::max(edge, 0);
  edges[3] = -1;
  layout.status_edges = edges;
  return layout;
}
