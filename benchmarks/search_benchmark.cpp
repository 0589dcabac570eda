// The search box's filter over the largest document (49 submenus of 48
// items, texts of 8 KiB made of ordinary words), a keystroke at a time:
// each prefix of a word that many texts hold, a word no item has, two
// words, a text of 1,000 letters; and building the index once after the
// document changes.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "search/search_index.h"

namespace {

constexpr int kSubMenus = 49;
constexpr int kItems = 48;
constexpr std::size_t kTextBytes = 8192;

constexpr std::array<const char*, 48> kWords = {
    "the",     "and",       "regards", "dear",    "customer", "order",    "invoice", "address",
    "street",  "signature", "thank",   "you",     "for",      "your",     "letter",  "please",
    "find",    "attached",  "meeting", "monday",  "friday",   "best",     "wishes",  "kind",
    "account", "number",    "payment", "due",     "date",     "support",  "ticket",  "reply",
    "office",  "phone",     "email",   "company", "limited",  "question", "answer",  "report",
    "weekly",  "project",   "status",  "review",  "schedule", "holiday",  "travel",  "expense"};

std::unique_ptr<MacroData> LargestDocument() {
  std::mt19937 random(49);
  auto doc = std::make_unique<MacroData>();
  doc->nNumSubMenus = kSubMenus;
  for (int s = 0; s < kSubMenus; ++s) {
    doc->nNumSubMenuItems[s] = kItems;
    doc->strSubMenuName[s] = std::string("Submenu ") + kWords[s % kWords.size()];
    for (int j = 0; j < kItems; ++j) {
      const int k = ItemSlot(s, j);
      doc->strSubMenuItemName[k] =
          "Item " + std::to_string(j) + " " + kWords[random() % kWords.size()];
      std::string text;
      while (text.size() < kTextBytes) {
        text += kWords[random() % kWords.size()];
        text += random() % 12 == 0 ? "\r\n" : " ";
      }
      text.resize(kTextBytes);
      doc->strSubMenuItemText[k] = std::move(text);
    }
  }
  return doc;
}

const MacroData& Document() {
  static const std::unique_ptr<MacroData> doc = LargestDocument();
  return *doc;
}

const SearchIndex& Index() {
  static const SearchIndex index(Document());
  return index;
}

const std::vector<std::string>& Typed() {
  static const std::vector<std::string> typed = [] {
    std::vector<std::string> texts;
    const std::string word = "signature";
    for (std::size_t n = 1; n <= word.size(); ++n) texts.push_back(word.substr(0, n));
    texts.insert(texts.end(), {"qzxj", "submenu holiday", "kind regards", "invoice zzz",
                               std::string(1000, 'e')});
    return texts;
  }();
  return typed;
}

void BM_SearchKeystroke(benchmark::State& state) {
  const std::string& typed = Typed()[static_cast<std::size_t>(state.range(0))];
  const RecentPicks recent;
  std::size_t found = 0;
  for (auto _ : state) {
    found = Index().Filter(typed, recent).size();
    benchmark::DoNotOptimize(found);
  }
  state.SetLabel("\"" + typed.substr(0, 20) + (typed.size() > 20 ? "...\"" : "\"") + ": " +
                 std::to_string(found) + " found");
}

void BM_SearchIndexBuild(benchmark::State& state) {
  for (auto _ : state) {
    const SearchIndex index(Document());
    benchmark::DoNotOptimize(index.Rows().data());
  }
}

BENCHMARK(BM_SearchKeystroke)->DenseRange(0, 13)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchIndexBuild)->Unit(benchmark::kMillisecond);

}  // namespace
