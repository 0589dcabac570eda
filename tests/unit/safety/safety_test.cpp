// What a document from the internet may not do unasked: which items can
// run a command, the zone mark read through the file-system port, and the
// question before such an item plays.
#include <gtest/gtest.h>

#include <utility>

#include "safety/pick_question.h"
#include "safety/risky_item.h"
#include "safety/zone_mark.h"
#include "support/document_builder.h"
#include "support/fake_file_system.h"
#include "support/scripted_ports.h"

namespace {

TEST(RiskyItemTest, WindowsKeysCtrlEscAndAltF4AreFoundWhereverTheyStand) {
  // [#347] taps 347 & 0xFF, the left Windows key.
  for (const char* text : {"[left_win]", "[RIGHT_WIN]", "[left_win][\"notepad\"][enter]",
                           "[\"type [left_win]r then cmd[enter]\"]", "[#91]", "[#347]",
                           "[CTRL][escape]", "[ctrl][\"x[escape]\"]", "[alt][F4]", "[alt][#115]"})
    EXPECT_TRUE(PressesSystemKeys(text)) << text;
  for (const char* text :
       {"[CTRL][CTRL_UP][escape]", "[alt][alt_up][f4]", "[escape][F4][CTRL][alt]",
        "[shift][escape]", "Hello World[enter]", "left_win [win] [#9]", "[left_win", ""})
    EXPECT_FALSE(PressesSystemKeys(text)) << text;
}

TEST(RiskyItemTest, APickIsReadWithTheItemsChainedToIt) {
  MacroData doc;
  DocumentBuilder()
      .SubMenu("S", {{"ctrl", "[CTRL]", 1}, {"esc", "[escape]"}, {"win", "[left_win]"}})
      .SubMenu("T", {{"a", "[\"notepad\"]", 1}, {"b", "[enter]", 1}, {"c", "[right_win]"}})
      .AddTo(doc);
  EXPECT_TRUE(PickPressesSystemKeys(doc, {0, 0})) << "Ctrl held into the chained Escape";
  EXPECT_FALSE(PickPressesSystemKeys(doc, {0, 1}));
  EXPECT_TRUE(PickPressesSystemKeys(doc, {0, 2}));
  EXPECT_TRUE(PickPressesSystemKeys(doc, {1, 0})) << "the last of the chain";
  doc.bChainToNext[ItemSlot(1, 1)] = 0;
  EXPECT_FALSE(PickPressesSystemKeys(doc, {1, 0}));
  EXPECT_FALSE(PickPressesSystemKeys(doc, {-1, 0}));
  EXPECT_FALSE(PickPressesSystemKeys(doc, {0, kMaxItems}));
}

TEST(ZoneMarkTest, TheInternetAndRestrictedZonesAreReadFromTheFilesStream) {
  EXPECT_EQ(ZoneIdOf("[ZoneTransfer]\r\nZoneId=3\r\nReferrerUrl=x\r\n"), 3);
  EXPECT_EQ(ZoneIdOf("[ZoneTransfer]\n  zoneid=4"), 4);
  EXPECT_EQ(ZoneIdOf("[ZoneTransfer]\r\nZoneId=\r\n"), std::nullopt);
  EXPECT_EQ(ZoneIdOf("ZoneId=x"), std::nullopt);
  EXPECT_EQ(ZoneIdOf(""), std::nullopt);

  FakeFileSystem files;
  const std::string doc = "C:\\Downloads\\shared.zvk";
  const auto mark = [&](const std::string& text) {
    files.files[doc + ":Zone.Identifier"] = BytesOf(text);
  };
  files.files[doc];
  EXPECT_FALSE(CameFromTheInternet(files, doc)) << "no mark";
  for (const auto& [text, internet] : {std::pair{"[ZoneTransfer]\r\nZoneId=3\r\n", true},
                                       {"[ZoneTransfer]\r\nZoneId=4\r\n", true},
                                       {"[ZoneTransfer]\r\nZoneId=2\r\n", false},
                                       {"[ZoneTransfer]\r\nZoneId=0\r\n", false},
                                       {"garbage", false}}) {
    mark(text);
    EXPECT_EQ(CameFromTheInternet(files, doc), internet) << text;
  }
  mark(
      std::string("Z\0o\0n\0e\0I\0d\0=\0"
                  "3\0",
                  16));
  EXPECT_TRUE(CameFromTheInternet(files, doc)) << "written as UTF-16";
  mark(std::string(5000, ' ') + "ZoneId=3");
  EXPECT_FALSE(CameFromTheInternet(files, doc)) << "past what a mark can hold";
  EXPECT_FALSE(CameFromTheInternet(files, "")) << "a new document has no file";
}

struct PickQuestionTest : ::testing::Test {
  PickQuestionTest() {
    DocumentBuilder()
        .SubMenu("S", {{"run", "[left_win][\"notepad\"][enter]"},
                       {"start", "[CTRL]", 1},
                       {"esc", "[escape]"},
                       {"hello", "Hello"}})
        .AddTo(doc);
    question.SetDocument(kPath, true);
  }
  // Whether the pick plays, the question answered with answer if asked.
  bool Pick(int item, int answer = MB::kIdNo) {
    boxes.answers = {answer};
    return question.MayPlay(doc, {0, item}, boxes);
  }

  static constexpr const char* kPath = "C:\\Downloads\\shared.zvk";
  MacroData doc;
  PickQuestion question;
  ScriptedMessageBoxes boxes;
};

TEST_F(PickQuestionTest, TheFirstPickOfARiskyItemAsksAndNoPlaysNothing) {
  EXPECT_FALSE(Pick(0, MB::kIdNo));
  EXPECT_EQ(boxes.Take(),
            (std::vector<ShownMessage>{{PickQuestionText("[left_win][\"notepad\"][enter]"),
                                        MB::kYesNo | MB::kIconExclamation}}));
  EXPECT_NE(PickQuestionText("x").find("came from the internet"), std::string::npos);
  EXPECT_FALSE(Pick(0, MB::kIdNo)) << "a No is not remembered: asked again";
  EXPECT_EQ(boxes.Take().size(), 1u);

  // A chain shows every text it plays.
  EXPECT_FALSE(Pick(1, MB::kIdNo));
  EXPECT_EQ(boxes.Take().front().text, PickQuestionText("[CTRL]\n[escape]"));

  EXPECT_TRUE(Pick(3)) << "an item that cannot run a command";
  EXPECT_EQ(boxes.Take().size(), 0u);
  EXPECT_EQ(PickQuestionText(std::string(1000, 'x')).find(std::string(401, 'x')),
            std::string::npos);
}

TEST_F(PickQuestionTest, AYesHoldsForTheSameTextInTheSameFile) {
  EXPECT_TRUE(Pick(0, MB::kIdYes));
  EXPECT_TRUE(Pick(0));
  EXPECT_EQ(boxes.Take().size(), 1u) << "asked once";

  doc.strSubMenuItemText[ItemSlot(0, 0)] = "[left_win][\"cmd\"][enter]";
  EXPECT_FALSE(Pick(0)) << "a changed item asks again";
  doc.strSubMenuItemText[ItemSlot(0, 0)] = "[left_win][\"notepad\"][enter]";
  question.SetDocument(kPath, true);
  EXPECT_TRUE(Pick(0)) << "the same file read again";
  question.SetDocument("C:\\Downloads\\other.zvk", true);
  EXPECT_FALSE(Pick(0)) << "another file";
  EXPECT_EQ(boxes.Take().size(), 2u);

  question.SetDocument("C:\\Macros\\mine.zvk", false);
  EXPECT_TRUE(Pick(0)) << "a file without the mark";
  EXPECT_EQ(boxes.Take().size(), 0u);
}

}  // namespace
