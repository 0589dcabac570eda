#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tools/zvk/tool_error.h"
#include "tools/zvk/trace_options.h"
#include "tools/zvk/trace_run.h"

namespace {

// The printed lines, as they were written.
std::string Lines(const std::function<void(Trace&)>& run, const std::vector<DataEntryAnswer>& answers = {}) {
  std::ostringstream out;
  Trace trace(out);
  for (const DataEntryAnswer& answer : answers) trace.QueueAnswer(answer);
  run(trace);
  return out.str();
}

TEST(TraceTest, APickWaitsThenMarksEachSlotOfTheChainAroundItsEffects) {
  const auto doc = std::make_unique<MacroData>();
  doc->nNumSubMenus = 1;
  doc->nNumSubMenuItems[0] = 4;
  const char* texts[] = {"[tab]", "hi", "[&1?]", "[enter]"};
  const int chains[] = {1, 7, 0, 0};  // the chain ends at item 2
  for (int j = 0; j < 4; ++j) {
    doc->strSubMenuItemText[ItemSlot(0, j)] = texts[j];
    doc->bChainToNext[ItemSlot(0, j)] = chains[j];
  }
  EXPECT_EQ(Lines([&](Trace& t) { t.RunPick(*doc, {0, 0}); }),
            "sleep 500\nrun 0 0\ndown 09\nup 09\nrecognised\nrun 0 1\nclipboard \"hi\"\n"
            "down 11\ndown 56\nup 56\nup 11\nsleep 250\npasted\nrun 0 2\nprompt 1 \"?\" single\nrecognised\n");
  EXPECT_EQ(Lines([](Trace& t) { t.RunText("[%1]"); }, {{DataEntryAnswer::Kind::answer, "x"}}),
            "recognised\n");
  EXPECT_EQ(Lines([](Trace& t) { t.RunText("[\"[&1][%1]\"]"); }, {{DataEntryAnswer::Kind::answer, "x"}}),
            "prompt 1 \"\" single\ndown 58\nup 58\nrecognised\n");
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
