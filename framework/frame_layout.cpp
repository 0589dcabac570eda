#include "framework/frame_layout.h"

#include <algorithm>

FrameLayout LayOutFrame(const LayoutRect& client, int toolBarHeight, int statusBarHeight,
                        const std::array<int, 3>& indicatorWidths, int sizeGripWidth) {
  FrameLayout layout;
  // A window smaller than its bars leaves the view empty, never inverted.
  const int top = std::min(client.top + std::max(toolBarHeight, 0), client.bottom);
  const int bottom = std::max(client.bottom - std::max(statusBarHeight, 0), top);
  layout.view = {client.left, top, client.right, bottom};

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
  layout.statusEdges = edges;
  return layout;
}
