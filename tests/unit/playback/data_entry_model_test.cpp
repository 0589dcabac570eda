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
  EXPECT_EQ(DataEntryModel(Request(true, "John")).DefaultText(), "John");
}

TEST(DataEntryModelTest, OkGivesTheTextOfTheBoxThatChangedLast) {
  DataEntryModel model(Request(true, "NODEFAULT"));
  EXPECT_TRUE(model.ShowsMultiLine());
  model.OnChangeMultiLine("first\r\nsecond");
  EXPECT_EQ(model.Result(true).strValue, "first\r\nsecond");
  model.OnChangeSingleLine("single");
  EXPECT_EQ(model.Result(true).strValue, "single");
  model.OnChangeMultiLine("");
  const DataEntryResult result = model.Result(true);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.strValue, "");
}

TEST(DataEntryModelTest, TheDefaultIsTheValueUntilTheUserTypes) {
  // Putting the default into the single-line box raises its change
  // notification, in either style.
  for (bool multiLine : {false, true}) {
    DataEntryModel model(Request(multiLine, "John"));
    model.OnChangeSingleLine(*model.DefaultText());
    EXPECT_EQ(model.Result(true).strValue, "John");
  }
}

TEST(DataEntryModelTest, CancelGivesNothing) {
  DataEntryModel model(Request(false, "John"));
  model.OnChangeSingleLine("typed");
  const DataEntryResult result = model.Result(false);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.strValue, "");
}

}  // namespace
