#pragma once
// The search box's items: every item of the document as a row, "Submenu >
// Item" (items of a TopLevel submenu by their name alone) with the start of
// its text, and the filter that every keystroke runs over them. Built once
// after the document changes: each row keeps its names and text in lower
// case and a sieve of the bytes and triples of bytes they hold, so that
// most rows that cannot match are passed over without reading their text.

#include <array>
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
  using Ranks = std::array<std::vector<std::size_t>, 3>;

  // The rows of a block of 64 that may hold every word, as bits.
  std::uint64_t Candidates(std::size_t block, const std::vector<Word>& words) const;
  bool Holds(std::size_t row, const Word& word) const;
  void Rank(std::size_t row, const std::string& phrase, Ranks& ranks) const;

  std::vector<SearchRow> rows_;
  std::vector<Lowered> lowered_;
  // By block of 64 rows, by bit: the rows whose texts set it.
  std::vector<std::uint64_t> sieves_;
};
