#pragma once
// The search box's items: every item of the document as a row, "Submenu >
// Item" (items of a TopLevel submenu by their name alone) with the start of
// its text, and the filter that every keystroke runs over them. Built once
// after the document changes: each row keeps its names and text in lower
// case and a small sieve of the letter pairs and triples they hold, so that
// most rows that cannot match are passed over without reading their text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/macro_data.h"
#include "playback/pick.h"
#include "search/recent_picks.h"

struct SearchRow {
  Pick pick;
  std::string label;    // "Submenu > Item", or "Item" for TopLevel's
  std::string preview;  // the start of the text, on one line
  bool grayed = false;  // an empty text: shown, never chosen
};

class SearchIndex {
 public:
  explicit SearchIndex(const MacroData& doc);

  const std::vector<SearchRow>& Rows() const { return rows_; }

  // The rows that match the typed text, best first, as indexes into Rows().
  // Each word (split at spaces) must appear, in any letter case, in the
  // submenu's name, the item's name or its text. Rows whose name starts
  // with the typed text come first, then those whose name contains it, then
  // the rest; each group in the document's order. With nothing typed every
  // row, the recent picks first, latest first.
  std::vector<std::size_t> Filter(std::string_view typed, const RecentPicks& recent) const;

  // The longest preview, in bytes.
  static constexpr std::size_t kPreviewLength = 60;

 private:
  struct Lowered {
    std::string submenu, name, text;
  };
  struct Word;

  bool Matches(std::size_t row, const Word& word) const;
  bool MayHold(std::size_t row, const Word& word) const;

  std::vector<SearchRow> rows_;
  std::vector<Lowered> lowered_;
  // Per row: which bytes occur (256 bits), then the sieve of pairs and triples.
  std::vector<std::uint64_t> sieves_;
};
