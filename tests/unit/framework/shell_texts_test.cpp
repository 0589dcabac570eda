// Where help pages are found, and the texts the frame builds from its
// string resources.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/command_prompt.h"
#include "framework/help_page_location.h"

namespace {

TEST(HelpPageLocationTest, ThePageNextToTheProgramComesFirst) {
  std::set<std::string> existing = {"C:\\Program Files\\Zorvakomat\\index.html",
                                    "D:\\macros\\index.html"};
  const auto exists = [&](const std::string& p) { return existing.count(p) > 0; };
  EXPECT_EQ(LocateHelpPage("index.html", "C:\\Program Files\\Zorvakomat", "D:\\macros", exists),
            "C:\\Program Files\\Zorvakomat\\index.html");
  existing.erase("C:\\Program Files\\Zorvakomat\\index.html");
  EXPECT_EQ(LocateHelpPage("index.html", "C:\\Program Files\\Zorvakomat", "D:\\macros", exists),
            "D:\\macros\\index.html");
  // Found nowhere: the current directory's, where it was looked for last.
  existing.clear();
  EXPECT_EQ(LocateHelpPage("index.html", "C:\\Zvk", "D:\\", exists), "D:\\index.html");
  EXPECT_EQ(LocateHelpPage("index.html", "", "", exists), "index.html");
}

TEST(CommandPromptTest, PromptAndTooltipAreSplitAtTheLineFeed) {
  EXPECT_EQ(CommandPrompt("Hides the window\nHide"), "Hides the window");
  EXPECT_EQ(CommandTooltip("Hides the window\nHide"), "Hide");
  EXPECT_EQ(CommandPrompt("Information."), "Information.");
  EXPECT_EQ(CommandTooltip("Information."), "");
  EXPECT_EQ(FrameCaption("work.zvk"), "work.zvk - Zorvakomat");
  EXPECT_EQ(FrameCaption(""), "Zorvakomat");
}

}  // namespace
