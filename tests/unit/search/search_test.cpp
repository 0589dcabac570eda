// The search box: which items a typed text finds and in what order, the
// recent picks first, grayed items, and the keys that move and choose.
#include <gtest/gtest.h>

#include <random>

#include "search/search_box.h"
#include "support/document_builder.h"

namespace {

struct SearchTest : ::testing::Test {
  std::unique_ptr<MacroData> doc = DocumentBuilder()
                                       .SubMenu("Letters", {{"Signature", "Regards, Zoe"},
                                                            {"My SIGN", "text"},
                                                            {"Address", "12 Sign Street\r\nTown"},
                                                            {"Blank", ""}})
                                       .SubMenu("toplevel", {{"Greet", "hello world"}})
                                       .Build();
  SearchIndex index{*doc};
  RecentPicks recent;

  // The labels of the rows found, in order.
  std::vector<std::string> Found(std::string_view typed) const {
    std::vector<std::string> labels;
    for (const std::size_t row : index.Filter(typed, recent))
      labels.push_back(index.Rows()[row].label);
    return labels;
  }
};

using Labels = std::vector<std::string>;

TEST_F(SearchTest, EveryWordMustAppearAndNameStartsComeFirstThenNamesThenTexts) {
  EXPECT_EQ(Found("sign"),
            (Labels{"Letters > Signature", "Letters > My SIGN", "Letters > Address"}));
  EXPECT_EQ(Found(" SiGn "), Found("sign"));
  EXPECT_EQ(Found("sign zoe"), Labels{"Letters > Signature"}) << "words in different fields";
  EXPECT_EQ(Found("letters town"), Labels{"Letters > Address"}) << "the submenu's name";
  EXPECT_EQ(Found("my sign"), (Labels{"Letters > My SIGN"})) << "the whole text starts the name";
  EXPECT_EQ(Found("greet"), Labels{"Greet"});
  EXPECT_EQ(Found("toplevel"), Labels{}) << "a TopLevel name is neither shown nor searched";
  // Capitals of Latin, Greek and Cyrillic match their small letters.
  doc->nNumSubMenuItems[1] = 0;
  DocumentBuilder()
      .SubMenu("\u0416", {{"\u041F\u0440\u0438\u0432\u0435\u0442", "\u0397\u03A7\u038F"},
                          {"ZO\u00CB \u0141\u00D3D\u0179", "\U0001F642"}})
      .AddTo(*doc);
  const SearchIndex scripts(*doc);
  const auto found = [&](std::string_view typed) {
    const auto rows = scripts.Filter(typed, recent);
    return rows.size() == 1 ? scripts.Rows()[rows[0]].label : "";
  };
  EXPECT_EQ(found("\u043F\u0440\u0438\u0432\u0435\u0442 \u03B7\u03C7\u03CE"),
            "\u0416 > \u041F\u0440\u0438\u0432\u0435\u0442");
  EXPECT_EQ(found("zo\u00EB \u0142\u00F3d\u017A \U0001F642 \u0436"),
            "\u0416 > ZO\u00CB \u0141\u00D3D\u0179");
  for (const std::string& typed : Labels{"qzx", "sign qzx", std::string(100000, 's'), "\xff\x01"})
    EXPECT_EQ(Found(typed), Labels{}) << typed.size();
}

TEST_F(SearchTest, RowsShowTheSubmenuTheItemAndTheStartOfTheTextOnOneLine) {
  doc->strSubMenuItemText[ItemSlot(1, 0)] = std::string(70, 'x');
  doc->strSubMenuItemText[ItemSlot(0, 1)] = std::string(59, 'x') + "\u0416\u0416";
  const SearchIndex longer(*doc);
  const auto& rows = longer.Rows();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[2].preview, "12 Sign Street Town");
  EXPECT_EQ(rows[4].preview, std::string(60, 'x') + "...");
  EXPECT_EQ(rows[1].preview, std::string(59, 'x') + "...") << "cut where a character starts";
  EXPECT_EQ(rows[4].pick, (Pick{1, 0}));
  EXPECT_TRUE(rows[3].grayed);
  EXPECT_FALSE(rows[0].grayed);
}

TEST_F(SearchTest, WithNothingTypedTheLatestPicksComeFirstAndPicksNotInTheDocumentAreLeftOut) {
  for (const Pick pick : {Pick{0, 2}, Pick{7, 7}, Pick{1, 0}, Pick{0, 2}}) recent.Add(pick);
  EXPECT_EQ(Found(""), (Labels{"Letters > Address", "Greet", "Letters > Signature",
                               "Letters > My SIGN", "Letters > Blank"}));
  // Only the latest are kept: these push the two out.
  for (int i = 0; i < 60; ++i) recent.Add({i + 2, 0});
  EXPECT_EQ(recent.LatestFirst().size(), RecentPicks::kKept);
  EXPECT_EQ(recent.LatestFirst().front(), (Pick{61, 0}));
  EXPECT_EQ(Found("  ").front(), "Letters > Signature");
}

// Up and Down pass over grayed lines and stop at the ends; a grayed line
// cannot be selected or chosen; nothing found is one grayed line.
TEST_F(SearchTest, TheBoxMovesOverChoosableLinesOnlyAndSaysWhenNothingMatches) {
  SearchBox box(index, recent);
  ASSERT_EQ(box.Lines().size(), 5u);
  EXPECT_EQ(box.Selected(), 0u);
  std::string steps;
  for (const int step : {-1, 1, 1, 1, 1, 1, -1}) {
    box.Move(step);
    steps += std::to_string(*box.Selected());
  }
  EXPECT_EQ(steps, "0124442");
  box.Select(3);
  EXPECT_EQ(box.Selected(), 2u) << "Blank is grayed";
  box.Select(9);
  EXPECT_EQ(box.Choice(), (Pick{0, 2}));

  box.Type("blank");
  EXPECT_EQ(box.Selected(), std::nullopt);
  EXPECT_EQ(box.Choice(), std::nullopt);
  box.Type("qzx");
  ASSERT_EQ(box.Lines().size(), 1u);
  EXPECT_EQ(box.Lines()[0].label, "No item matches");
  EXPECT_TRUE(box.Lines()[0].grayed);
  box.Move(1);
  box.Select(0);
  EXPECT_EQ(box.Choice(), std::nullopt);
  box.Type("greet");
  EXPECT_EQ(box.Choice(), (Pick{1, 0}));
}

// The sieve passes over rows without reading them: it must never pass over
// one that holds the word. Random texts of few letters, random words.
TEST(SearchIndexTest, FindsExactlyTheRowsThatHoldEveryWord) {
  std::mt19937 random(23);
  const auto text = [&](std::size_t length) {
    std::string out;
    for (std::size_t i = 0; i < length; ++i) out += "abcAB \n"[random() % 7];
    return out;
  };
  DocumentBuilder builder;
  for (int s = 0; s < 4; ++s) {
    std::vector<TestItem> items;
    for (int j = 0; j < 40; ++j) items.push_back({text(5), text(random() % 300)});
    builder.SubMenu(text(4), items);
  }
  const auto doc = builder.Build();
  const SearchIndex index(*doc);
  const RecentPicks none;
  const auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  for (int round = 0; round < 300; ++round) {
    const std::string word = text(1 + random() % 6);
    std::vector<std::size_t> expected;
    for (std::size_t row = 0; row < index.Rows().size(); ++row) {
      const Pick p = index.Rows()[row].pick;
      const std::string all = lower(doc->strSubMenuName[p.submenu]) + "\x01" +
                              lower(doc->strSubMenuItemName[ItemSlot(p.submenu, p.item)]) + "\x01" +
                              lower(doc->strSubMenuItemText[ItemSlot(p.submenu, p.item)]);
      bool holds = true;
      for (std::size_t start = 0; start < word.size();) {
        const std::size_t end = std::min(word.find(' ', start), word.size());
        if (end > start && all.find(lower(word.substr(start, end - start))) == std::string::npos)
          holds = false;
        start = end + 1;
      }
      if (holds) expected.push_back(row);
    }
    std::vector<std::size_t> found = index.Filter(word, none);
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected) << '"' << word << '"';
  }
}

}  // namespace
