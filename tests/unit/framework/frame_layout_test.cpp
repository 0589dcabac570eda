// How the main frame shares its client area between the bars and the view.
#include <gtest/gtest.h>

#include "framework/frame_layout.h"

namespace {

constexpr std::array<int, 3> kIndicators = {40, 40, 44};

TEST(FrameLayoutTest, TheViewFillsWhatTheBarsLeaveAndIndicatorsSitBeforeTheSizeGrip) {
  const FrameLayout both = LayOutFrame({0, 0, 800, 600}, 28, 22, kIndicators, 17);
  EXPECT_EQ(both.view, (LayoutRect{0, 28, 800, 578}));
  EXPECT_EQ(both.statusEdges, (std::array<int, 4>{800 - 17 - 124, 800 - 17 - 84, 800 - 17 - 44, -1}));
  const FrameLayout none = LayOutFrame({0, 0, 800, 600}, 0, 0, kIndicators, 17);
  EXPECT_EQ(none.view, (LayoutRect{0, 0, 800, 600}));
}

TEST(FrameLayoutTest, ATinyWindowGivesAnEmptyViewAndOrderedPanes) {
  const FrameLayout layout = LayOutFrame({0, 0, 60, 30}, 28, 22, kIndicators, 17);
  EXPECT_EQ(layout.view.top, 28);
  EXPECT_EQ(layout.view.bottom, 28);
  int previous = 0;
  for (int i = 0; i < 3; ++i) {
    EXPECT_GE(layout.statusEdges[i], previous);
    previous = layout.statusEdges[i];
  }
  EXPECT_EQ(layout.statusEdges[3], -1);

  const FrameLayout minimized = LayOutFrame({0, 0, 0, 0}, 28, 22, kIndicators, 17);
  EXPECT_EQ(minimized.view, (LayoutRect{0, 0, 0, 0}));
  EXPECT_EQ(minimized.statusEdges, (std::array<int, 4>{0, 0, 0, -1}));
}

}  // namespace
