// What the data entry box shows and gives back.
#include <gtest/gtest.h>

#include "playback/data_entry_model.h"

namespace {

DataEntryRequest Request(bool multiLine, const std::string& defaultText,
                         const std::string& prompt = "Name?") {
  DataEntryRequest request;
  request.bMultiLine = multiLine;
  request.strPrompt = prompt;
  request.strDefault = defaultText;
  return request;
}

TEST(DataEntryModelTest, TheSentinelAloneMeansNoDefault) {
  EXPECT_FALSE(DataEntryModel(Request(false, "NODEFAULT")).DefaultText().has_value());
  EXPECT_EQ(DataEntryModel(Request(false, "nodefault")).DefaultText(), "nodefault");
  EXPECT_EQ(DataEntryModel(Request(false, "")).DefaultText(), "");
}

TEST(DataEntryModelTest, OkGivesTheTextOfTheBoxThatChangedLastAndCancelNothing) {
  DataEntryModel model(Request(true, "John"));
  model.OnChangeSingleLine(*model.DefaultText());  // the default put into the box
  EXPECT_EQ(model.Result(true).strValue, "John");
  model.OnChangeMultiLine("first\r\nsecond");
  EXPECT_EQ(model.Result(true).strValue, "first\r\nsecond");
  model.OnChangeSingleLine("");
  EXPECT_TRUE(model.Result(true).ok);
  EXPECT_EQ(model.Result(true).strValue, "");
  model.OnChangeSingleLine("typed");
  EXPECT_FALSE(model.Result(false).ok);
  EXPECT_EQ(model.Result(false).strValue, "");
}

}  // namespace
