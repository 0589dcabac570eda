// The command line of zvk trace.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/zvk/tool_error.h"
#include "tools/zvk/trace_options.h"

namespace {

TEST(TraceOptionsTest, ReadsAnswersThenATextOrAPickAndRefusesAnythingElse) {
  const TraceOptions text = ParseTraceOptions({"--answer", "Bob", "--cancel", "--ok", "--", "--ok"});
  std::string answers;  // the kinds: 0 answer, 1 OK, 2 Cancel
  for (const DataEntryAnswer& a : text.answers) answers += std::to_string(static_cast<int>(a.kind)) + a.text + " ";
  EXPECT_EQ(answers + text.text, "0Bob 2 1 --ok");
  const TraceOptions pick = ParseTraceOptions({"--ok", "--pick", "3", "49", "f.zvk"});
  EXPECT_TRUE(pick.pick);
  EXPECT_EQ(std::to_string(pick.subMenu) + " " + std::to_string(pick.item) + " " + pick.file, "3 49 f.zvk");
  EXPECT_EQ(ParseTraceOptions({"-x"}).text, "-x");

  const std::vector<std::vector<std::string>> bad = {
      {}, {"--ok"}, {"--answer"}, {"--bogus"}, {"one", "two"}, {"--pick", "0", "0"}, {"--pick", "0", "0", "f", "extra"},
      {"--pick", "50", "0", "f"}, {"--pick", "0", "50", "f"}, {"--pick", "0", "-1", "f"}, {"--pick", "0", "007", "f"},
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
