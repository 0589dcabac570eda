#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tools/zvk/tool_error.h"
#include "tools/zvk/trace_options.h"
#include "tools/zvk/trace_run.h"

namespace {

using Lines = std::vector<std::string>;

struct TraceTest : ::testing::Test {
  RecordingPlatform platform;
  std::unique_ptr<MacroData> doc = std::make_unique<MacroData>();

  void Item(int j, const std::string& text, std::int32_t chain) {
    doc->strSubMenuItemText[ItemSlot(0, j)] = text;
    doc->bChainToNext[ItemSlot(0, j)] = chain;
    doc->nNumSubMenuItems[0] = std::max(doc->nNumSubMenuItems[0], j + 1);
    doc->nNumSubMenus = 1;
  }
};

TEST_F(TraceTest, APickWaitsThenMarksEachSlotOfTheChainAroundItsEffects) {
  Item(0, "[tab]", 1);
  Item(1, "hi", 7);
  Item(2, "[;end]", 0);
  Item(3, "[enter]", 0);  // not reached: the chain ends at item 2
  const Lines expected{"sleep 500", "run 0 0", "down 09", "up 09", "recognised", "run 0 1", "clipboard \"hi\"",
                       "down 11", "down 56", "up 56", "up 11", "sleep 250", "pasted", "run 0 2", "recognised"};
  EXPECT_EQ(TracePick(platform, *doc, 0, 0), expected);
  // A second run on the same platform shows only its own effects.
  EXPECT_EQ(TracePick(platform, *doc, 0, 0), expected);
  EXPECT_EQ(TraceText(platform, "[tab]"), (Lines{"down 09", "up 09", "recognised"}));
}

TEST(TraceOptionsTest, ReadsAnswersThenATextOrAPick) {
  const TraceOptions text = ParseTraceOptions({"--answer", "Bob", "--cancel", "--ok", "--", "--ok"});
  ASSERT_EQ(text.answers.size(), 3u);
  EXPECT_EQ(text.answers[0].kind, DataEntryAnswer::Kind::answer);
  EXPECT_EQ(text.answers[0].text, "Bob");
  EXPECT_EQ(text.answers[1].kind, DataEntryAnswer::Kind::cancel);
  EXPECT_EQ(text.answers[2].kind, DataEntryAnswer::Kind::ok);
  EXPECT_FALSE(text.pick);
  EXPECT_EQ(text.text, "--ok");

  const TraceOptions pick = ParseTraceOptions({"--ok", "--pick", "3", "49", "f.zvk"});
  EXPECT_TRUE(pick.pick);
  EXPECT_EQ(pick.subMenu, 3);
  EXPECT_EQ(pick.item, 49);
  EXPECT_EQ(pick.file, "f.zvk");
  EXPECT_EQ(ParseTraceOptions({"-x"}).text, "-x");
}

TEST(TraceOptionsTest, RefusesACommandLineThatDoesNotFit) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"--ok"},
      {"--answer"},
      {"--bogus", "x"},
      {"one", "two"},
      {"--pick", "0", "0"},
      {"--pick", "0", "0", "f", "extra"},
      {"--pick", "50", "0", "f"},
      {"--pick", "0", "-1", "f"},
      {"--pick", "0", "x", "f"},
      {"--pick", "0", "007", "f"},
  };
  for (const auto& args : bad) {
    try {
      ParseTraceOptions(args);
      ADD_FAILURE() << "accepted " << ::testing::PrintToString(args);
    } catch (const ToolError& e) {
      EXPECT_EQ(e.Code(), kExitUsage);
      EXPECT_NE(std::string(e.what()).find("Usage:"), std::string::npos);
    }
  }
}

}  // namespace
