// The view's decisions: tray notifications, the command hook, hiding and
// restoring the main window, and a pick carried all the way to its keys;
// the pick menu built from a document, and the welcome page's banners.
#include "view/zorvak_view.h"

#include <algorithm>

#include "framework/dpi.h"
#include "framework/modal_window.h"
#include "playback/recording_fixture.h"
#include "support/document_builder.h"
#include "support/playback_probe.h"
#include "view/pick_command.h"
#include "view/pick_menu.h"
#include "view/welcome_page.h"

namespace {

constexpr unsigned kTrayId = 123;
constexpr unsigned kLeftUp = 0x0202;
constexpr unsigned kLeftDoubleClick = 0x0203;
constexpr unsigned kRightUp = 0x0205;

// The view's own playback, beside the fixture's, reports to no listener.
struct ViewTest : PlaybackTest {
  ViewCore view{rec.Ports(), *doc};

  void SetUp() override {
    DocumentBuilder()
        .NumberedSubMenus(3)
        .SubMenu("S3", NumberedItems(8))
        .SubMenu("TopLevel", {{"Hello", "Hello World"}})
        .AddTo(*doc);
  }

  void ExpectNoPick() {
    EXPECT_FALSE(PlaybackProbe::PendingPick(view.playback));
    view.playback.OnKillFocus();
    EXPECT_EQ(log.Take(), "");
  }
};

TEST_F(ViewTest, OnlyAnIdOfAShownItemSetsAPick) {
  // Fixed commands; past the submenu's items; in a submenu past the count;
  // the 50th-item id that would decode as the next submenu's item -1; ids
  // below the first item id.
  for (int id :
       {57603, 57604, 32775, 57666, 32782, 1075 + 150 + 8, 1075 + 250, 1075 + 49, 1074, 0, 65535})
    EXPECT_EQ(view.OnCommandHook(id), HookAction::passOn) << id;

  EXPECT_EQ(view.OnCommandHook(1232), HookAction::itemPicked);
  EXPECT_EQ(view.OnCommandHook(3000), HookAction::passOn);
  EXPECT_EQ(PlaybackProbe::PendingPick(view.playback), (Pick{3, 7}))
      << "an unknown id leaves the pick as it was";
}

// A pick from a document of the internet that can run a command asks
// first; the recording boxes answer OK, which is no Yes: nothing is picked.
TEST_F(ViewTest, ARefusedQuestionSetsNoPick) {
  doc->strSubMenuItemText[ItemSlot(3, 7)] = "[left_win]";
  view.question.SetDocument("C:\\Downloads\\shared.zvk", true);
  EXPECT_EQ(view.OnCommandHook(1232), HookAction::pickRefused);
  EXPECT_NE(log.Take().find("came from the internet"), std::string::npos);
  ExpectNoPick();
  // The search box's pick of the same item asks too.
  EXPECT_FALSE(view.OnSearchChoice(Pick{3, 7}));
  EXPECT_NE(log.Take().find("came from the internet"), std::string::npos);
  ExpectNoPick();
}

// While a dialog, a message box or a file dialog of the program is open,
// the tray brings it forward: no menu, no main window, no command, and a
// pick made before stays as it was.
TEST_F(ViewTest, AnOpenModalWindowComesForwardInsteadOfAnythingElse) {
  ASSERT_EQ(view.OnCommandHook(1232), HookAction::itemPicked);
  {
    const ModalWindowScope editor;
    {
      const ModalWindowScope question;
      EXPECT_EQ(view.OnTrayNotify(kTrayId, kRightUp), TrayAction::bringModalWindowForward);
    }
    EXPECT_EQ(view.OnTrayNotify(kTrayId, kLeftDoubleClick), TrayAction::bringModalWindowForward);
    EXPECT_EQ(view.OnTrayNotify(kTrayId, kLeftUp), TrayAction::none);
    for (int id : {57601, 57665, 32775, 1075})
      EXPECT_EQ(view.OnCommandHook(id), HookAction::bringModalWindowForward) << id;
  }
  EXPECT_EQ(PlaybackProbe::PendingPick(view.playback), (Pick{3, 7}));
  EXPECT_EQ(view.OnTrayNotify(kTrayId, kRightUp), TrayAction::showPickMenu);
}

// A double click on our icon (not another's) restores the frame. The first
// paint hides it; hiding toggles, restoring always shows it maximized and
// keeps it drawn.
TEST_F(ViewTest, MainWindowHidesAndComesBack) {
  EXPECT_EQ(view.OnTrayNotify(kTrayId, kLeftDoubleClick), TrayAction::restoreMainWindow);
  EXPECT_EQ(view.OnTrayNotify(124, kLeftDoubleClick), TrayAction::none);
  std::string steps = view.bHideOnPaint ? "hidden" : "shown";
  for (const char step : std::string("HHRRH")) {
    const FrameShow show = step == 'H' ? view.OnHideMainWindow() : view.OnRestore();
    steps += std::string(", ") + "hns"[static_cast<int>(show)] + (view.bHideOnPaint ? "-" : "+");
  }
  EXPECT_EQ(steps, "hidden, n+, h-, s+, s+, h-");
}

// Nothing starts inside a run: a tray click (or the pick hotkey, a right
// click to the view) during it waits for its end, the last one counting.
TEST_F(ViewTest, ATrayClickDuringARunWaitsForItsEnd) {
  log.on_line = [&](std::string_view line) {
    if (line != "sleep 500") return;
    for (const unsigned mouse : {kLeftDoubleClick, kRightUp, kLeftUp})
      EXPECT_EQ(view.OnTrayNotify(kTrayId, mouse), TrayAction::none) << mouse;
    EXPECT_EQ(view.TakeWaitingTrayNotify(), std::nullopt) << "not before the run ends";
  };
  ASSERT_EQ(view.OnCommandHook(PickCommandId(3, 0)), HookAction::itemPicked);
  view.playback.OnKillFocus();
  EXPECT_EQ(view.TakeWaitingTrayNotify(), kRightUp);
  EXPECT_EQ(view.TakeWaitingTrayNotify(), std::nullopt);
}

TEST_F(ViewTest, APickFromTheMenuRunsOnFocusLossOnlyOnceAndReopeningDropsIt) {
  const int id = BuildPickMenu(*doc)[12].id;  // TopLevel's item, inline
  ASSERT_EQ(view.OnCommandHook(id), HookAction::itemPicked);
  ASSERT_EQ(view.OnTrayNotify(kTrayId, kRightUp), TrayAction::showPickMenu);
  ExpectNoPick();

  ASSERT_EQ(view.OnCommandHook(id), HookAction::itemPicked);
  view.playback.OnKillFocus();
  EXPECT_EQ(log.Take(),
            "sleep 500, clipboard \"Hello World\", down 11, down 56, up 56, up 11, sleep 250");
  ExpectNoPick();
}

// The windows that exist, as a test sets them.
struct FakeWindows : WindowPresence {
  std::vector<WindowId> alive{10, 11};
  bool Exists(WindowId window) override {
    return std::find(alive.begin(), alive.end(), window) != alive.end();
  }
};

// A pick from the hotkey's menu sends the focus back to the window and
// control that had it, once; a pick from the tray's menu, or one whose
// window has gone, waits for the click; a control that has gone leaves the
// focus to its window. The run itself comes with the focus loss, as ever.
TEST_F(ViewTest, AHotkeyPickGoesBackWhereTheFocusWasElseWaitsForAClick) {
  FakeWindows windows;
  const FocusTarget edit{10, 11};
  const auto pickAfter = [&](TrayAction opened) -> std::optional<FocusTarget> {
    EXPECT_EQ(opened, TrayAction::showPickMenu);
    EXPECT_EQ(view.OnCommandHook(PickCommandId(3, 0)), HookAction::itemPicked);
    return view.FocusAfterPick(windows);
  };
  EXPECT_EQ(pickAfter(view.OnPickHotkey(edit)), edit);
  EXPECT_EQ(view.FocusAfterPick(windows), std::nullopt) << "only once";
  view.OnPickHotkey(edit);
  EXPECT_EQ(pickAfter(view.OnTrayNotify(kTrayId, kRightUp)), std::nullopt);
  EXPECT_EQ(pickAfter(view.OnPickHotkey(std::nullopt)), std::nullopt) << "the focus was ours";
  windows.alive = {10};
  EXPECT_EQ(pickAfter(view.OnPickHotkey(edit)), (FocusTarget{10, 0}));
  windows.alive = {11};
  EXPECT_EQ(pickAfter(view.OnPickHotkey(edit)), std::nullopt);

  view.playback.OnKillFocus();
  EXPECT_EQ(log.Take(), "sleep 500, clipboard \"T0\", down 11, down 56, up 56, up 11, sleep 250");
}

// Enter in the search box picks an item the document holds, never one
// outside it or its capacity; it types where the focus was when the search
// hotkey was pressed, and comes first in the box from then on. While a
// modal window is open the hotkey brings it forward and nothing is picked.
TEST_F(ViewTest, ASearchPickArmsOnlyAnItemOfTheDocumentAndGoesBackWhereTheFocusWas) {
  FakeWindows windows;
  ASSERT_EQ(view.OnSearchHotkey(FocusTarget{10, 11}), TrayAction::showSearchBox);
  for (const Pick outside :
       {Pick{0, 50}, Pick{3, 8}, Pick{5, 0}, Pick{50, 0}, Pick{-1, 0}, Pick{0, -1}})
    EXPECT_FALSE(view.OnSearchChoice(outside)) << outside.submenu << " " << outside.item;
  EXPECT_EQ(PlaybackProbe::PendingPick(view.playback), std::nullopt);
  ASSERT_TRUE(view.OnSearchChoice({3, 7}));
  EXPECT_EQ(PlaybackProbe::PendingPick(view.playback), (Pick{3, 7}));
  EXPECT_EQ(view.FocusAfterPick(windows), (FocusTarget{10, 11}));
  EXPECT_EQ(view.SearchItems().Rows()[view.SearchItems().Filter("", view.Recent())[0]].label,
            "S3 > I7");

  ASSERT_EQ(view.OnSearchCommand(), TrayAction::showSearchBox);
  ASSERT_TRUE(view.OnSearchChoice({4, 0}));
  EXPECT_EQ(view.FocusAfterPick(windows), std::nullopt) << "from the main window: a click";
  {
    const ModalWindowScope dialog;
    EXPECT_EQ(view.OnSearchHotkey(FocusTarget{10, 11}), TrayAction::bringModalWindowForward);
    EXPECT_FALSE(view.OnSearchChoice({3, 1}));
  }
  EXPECT_EQ(PlaybackProbe::PendingPick(view.playback), (Pick{4, 0}));

  // Built once: a document replaced is listed once the view is told.
  doc->strSubMenuItemName[ItemSlot(4, 0)] = "Bye";
  EXPECT_EQ(view.SearchItems().Rows().back().label, "Hello");
  view.OnDocumentChanged();
  EXPECT_EQ(view.SearchItems().Rows().back().label, "Bye");
}

using Kind = PickMenuEntry::Kind;

// The entries from first on (by default after the fixed part), as "text" /
// "[popup:items]" / "(grayed text)".
std::vector<std::string> Outline(const std::vector<PickMenuEntry>& menu, std::size_t first = 8) {
  std::vector<std::string> out;
  for (auto e = menu.begin() + first; e < menu.end(); ++e) {
    const std::string popup = "[" + e->text + ":" + std::to_string(e->children.size()) + "]";
    out.push_back(e->kind == Kind::popup ? popup : e->grayed ? "(" + e->text + ")" : e->text);
  }
  return out;
}

// Names in any script stand as they are.
TEST(PickMenuTest, TopLevelItemsStandInlineAtTheirPlaceInAnyLetterCase) {
  const auto doc = DocumentBuilder()
                       .SubMenu("Gr\u00FC\u00DFe \u4E2D\u6587 \U0001F642", {{"Hi", "Hello"}})
                       .SubMenu("toplevel", {{"Tab", "[tab]"}, {"Zo\u00EB \u0416", "[enter]"}})
                       .SubMenu("Keys")
                       .SubMenu("TOPLEVEL", {{"Sign", "Regards"}})
                       .SubMenu("TopLevels", {{"x", "y"}})  // only the exact word counts
                       .Build();
  EXPECT_EQ(Outline(BuildPickMenu(*doc)),
            (std::vector<std::string>{"[Gr\u00FC\u00DFe \u4E2D\u6587 \U0001F642:1]", "Tab",
                                      "Zo\u00EB \u0416", "[Keys:0]", "Sign", "[TopLevels:1]"}));
}

// A nameless item with a text is an ordinary, choosable entry.
TEST_F(ViewTest, PickMenuGraysAnEmptyTextAndLeavesOutWhatLiesBeyondTheRoom) {
  doc->strSubMenuItemText[ItemSlot(3, 2)] = "";
  doc->strSubMenuItemName[ItemSlot(3, 6)] = "";
  const auto menu = BuildPickMenu(*doc);
  const auto& fourth = menu[11].children;
  EXPECT_EQ(Outline(fourth, 0),
            (std::vector<std::string>{"I0", "I1", "(I2)", "I3", "I4", "I5", "", "I7"}));

  // A fiftieth item (possible only from a file) is left out; counts outside
  // the document's room are read safely.
  const auto full = DocumentBuilder().SubMenu("Full", NumberedItems(kMaxItems)).Build();
  full->nNumSubMenus = full->nNumSubMenuItems[0] = 1000;
  const auto fullMenu = BuildPickMenu(*full);
  EXPECT_EQ(fullMenu.size(), 8u + kMaxSubMenus);
  EXPECT_EQ(fullMenu[8].children.size(), 49u);
}

// The page drawn in a place is the page a click there opens, at every
// display scale; off the banners a click opens nothing.
TEST(WelcomePageTest, EachBannerOpensThePageDrawnThereAndNothingElseOpensAPage) {
  for (const int dpi : {96, 120, 144, 192}) {
    for (const Banner& banner : BannersInDrawOrder()) {
      const PageRect r = ScaledRect(banner.rect, dpi);
      EXPECT_EQ(BannerPageAt(r.left, r.top, dpi), std::string(banner.address)) << dpi;
      EXPECT_EQ(BannerPageAt(r.right - 1, r.bottom - 1, dpi), std::string(banner.address)) << dpi;
    }
    // The 2-pixel gap, the greeting, below the last banner.
    for (int y : {177, 30, 363})
      EXPECT_FALSE(BannerPageAt(100, ScaleForDpi(y, dpi), dpi).has_value()) << y << " " << dpi;
  }
  EXPECT_EQ(ScaledRect(rectBanner1, 144), (PageRect{15, 455, 717, 545}));
  EXPECT_EQ(ScaleForDpi(15, 120), 19);  // 18.75
  EXPECT_EQ(ScaleForDpi(10, 0), 10);
}

}  // namespace
