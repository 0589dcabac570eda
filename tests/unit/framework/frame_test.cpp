// The main frame: how it shares its client area between the bars and the
// view, where a toolbar let go of docks, the texts it builds from its string
// resources, and where help pages are found.
#include <gtest/gtest.h>

#include <tuple>

#include "framework/bar_docking.h"
#include "framework/command_prompt.h"
#include "framework/frame_layout.h"
#include "framework/help_page_location.h"

namespace {

constexpr std::array<int, 3> kIndicators = {40, 40, 44};
constexpr LayoutRect kClient{0, 0, 800, 600};

TEST(FrameLayoutTest, TheToolBarTakesItsSideAboveTheStatusBarAndTheViewTheRestIfAny) {
  const std::tuple<DockedBar, LayoutRect, LayoutRect> cases[] = {
      {{DockSide::top, 28}, {0, 0, 800, 28}, {0, 28, 800, 578}},
      {{DockSide::bottom, 28}, {0, 550, 800, 578}, {0, 0, 800, 550}},
      {{DockSide::left, 30}, {0, 0, 30, 578}, {30, 0, 800, 578}},
      {{DockSide::right, 30}, {770, 0, 800, 578}, {0, 0, 770, 578}},
      {{DockSide::left, 0}, {}, {0, 0, 800, 578}},  // hidden or floating
  };
  for (const auto& [bar, tool_bar, view] : cases) {
    const FrameLayout layout = LayOutFrame(kClient, bar, 22, kIndicators, 17);
    EXPECT_EQ(layout.tool_bar, tool_bar) << static_cast<int>(bar.side);
    EXPECT_EQ(layout.view, view) << static_cast<int>(bar.side);
  }
  EXPECT_EQ(LayOutFrame(kClient, {}, 0, kIndicators, 17).view, kClient);

  // A tiny window gives an empty view and ordered panes.
  for (const DockSide side : {DockSide::top, DockSide::bottom, DockSide::left, DockSide::right}) {
    const LayoutRect v = LayOutFrame({0, 0, 60, 30}, {side, 100}, 22, kIndicators, 17).view;
    EXPECT_TRUE(v.left <= v.right && v.top <= v.bottom && (v.left == v.right || v.top == v.bottom));
  }
  // The panes that no longer fit shrink to nothing at the left edge.
  EXPECT_EQ(LayOutFrame({0, 0, 100, 30}, {DockSide::top, 28}, 22, kIndicators, 17).status_edges,
            (std::array<int, 4>{0, 0, 39, -1}));

  // Minimized: the status bar too leaves nothing.
  EXPECT_EQ(LayOutFrame({}, {DockSide::top, 28}, 22, kIndicators, 17).view, (LayoutRect{}));
}

TEST(BarDockingTest, ADropNearASideDocksThereAndAnywhereElseFloats) {
  const LayoutRect client{100, 100, 900, 700};
  const std::tuple<int, int, std::optional<DockSide>> drops[] = {
      {500, 85, DockSide::top},   {500, 115, DockSide::top},   {500, 710, DockSide::bottom},
      {95, 400, DockSide::left},  {915, 400, DockSide::right}, {102, 101, DockSide::top},
      {101, 102, DockSide::left}, {500, 400, std::nullopt},    {500, 60, std::nullopt},
      {960, 95, std::nullopt},    {60, 710, std::nullopt},
  };
  for (const auto& [x, y, side] : drops)
    EXPECT_EQ(DockSideForDrop(client, x, y, 20), side) << x << "," << y;
}

// A hidden or floating bar takes no room; a dragged bar stays held where
// it was taken as far as its new shape allows.
TEST(BarDockingTest, TheBarsWindowFitsItsButtonsAndTheDropKeepsTheGrip) {
  DockingBar bar;
  bar.SetButtonExtent(true, {200, 22});
  bar.SetButtonExtent(false, {23, 300});
  EXPECT_EQ(bar.DockedWindowSize(true), (BarSize{213, 26}));
  EXPECT_EQ(bar.DockedWindowSize(false), (BarSize{27, 313}));
  EXPECT_EQ(bar.FloatingClientSize(), (BarSize{204, 26}));
  EXPECT_EQ(bar.DropReach(), 35);
  EXPECT_EQ(bar.Docked().thickness, 26);
  bar.last_side = DockSide::left;
  EXPECT_EQ(bar.Docked().thickness, 27);
  EXPECT_EQ(bar.GripperRect({0, 0, 27, 313}), (LayoutRect{0, 0, 27, 11}));
  bar.floating = true;
  EXPECT_TRUE(bar.Horizontal() && bar.Docked().thickness == 0 &&
              bar.Docked().side == DockSide::left)
      << "a floating bar is a row, takes no room and docks again where it was";
  bar.floating = false;
  bar.shown = false;
  EXPECT_EQ(bar.Docked().thickness, 0);
  EXPECT_EQ(DockingBar::DropRect(500, 400, {150, 10}, {27, 313}), (LayoutRect{474, 390, 501, 703}))
      << "a grip beyond the narrower bar moves to its last pixel";
}

TEST(HelpPageLocationTest, APageIsOnlyEverTheOneInTheProgramsFolder) {
  EXPECT_EQ(HelpPagePath("index.html", "C:\\Program Files\\Zorvakomat"),
            "C:\\Program Files\\Zorvakomat\\index.html");
  EXPECT_EQ(HelpPagePath("EditSubMenuHelp.html", "D:\\"), "D:\\EditSubMenuHelp.html");
  // An unknown program folder is never the current folder's page.
  EXPECT_EQ(HelpPagePath("index.html", ""), std::nullopt);
}

TEST(CommandPromptTest, PromptAndTooltipAreSplitAtTheLineFeed) {
  const char* both = "Hides the window\nHide";
  EXPECT_EQ(CommandPrompt(both) + "|" + CommandTooltip(both), "Hides the window|Hide");
  EXPECT_EQ(CommandPrompt("Information.") + "|" + CommandTooltip("Information."), "Information.|");
  EXPECT_EQ(FrameCaption("work.zvk") + "|" + FrameCaption(""), "work.zvk - Zorvakomat|Zorvakomat");
}

}  // namespace
