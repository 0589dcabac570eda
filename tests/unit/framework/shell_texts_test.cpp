// Where help pages are found, and the texts the frame builds from its
// string resources.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/command_prompt.h"
#include "framework/help_page_location.h"

namespace {

TEST(HelpPageLocationTest, ThePageNextToTheProgramComesFirst) {
  const std::string program = "C:\\Program Files\\Zorvakomat";
  std::set<std::string> existing = {program + "\\index.html", "D:\\macros\\index.html"};
  const auto exists = [&](const std::string& p) { return existing.count(p) > 0; };
  EXPECT_EQ(LocateHelpPage("index.html", program, "D:\\macros", exists), program + "\\index.html");
  existing.erase(program + "\\index.html");
  EXPECT_EQ(LocateHelpPage("index.html", program, "D:\\macros", exists), "D:\\macros\\index.html");
  // Found nowhere: the current directory's, where it was looked for last.
  existing.clear();
  EXPECT_EQ(LocateHelpPage("index.html", "C:\\Zvk", "D:\\", exists), "D:\\index.html");
  EXPECT_EQ(LocateHelpPage("index.html", "", "", exists), "index.html");
}

TEST(CommandPromptTest, PromptAndTooltipAreSplitAtTheLineFeed) {
  const char* both = "Hides the window\nHide";
  EXPECT_EQ(CommandPrompt(both) + "|" + CommandTooltip(both), "Hides the window|Hide");
  EXPECT_EQ(CommandPrompt("Information.") + "|" + CommandTooltip("Information."), "Information.|");
  EXPECT_EQ(FrameCaption("work.zvk") + "|" + FrameCaption(""), "work.zvk - Zorvakomat|Zorvakomat");
}

}  // namespace
