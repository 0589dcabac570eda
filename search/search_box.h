#pragma once
// What the search box shows and what its keys do, free of windows: the
// list as it stands after each keystroke, the selected line, the item
// Enter chooses.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/search_index.h"

inline constexpr const char* kNoItemMatches = "No item matches";

class SearchBox {
 public:
  // Opens with nothing typed. The index and the picks outlive the box.
  SearchBox(const SearchIndex& index, const RecentPicks& recent);

  struct Line {
    std::string label;
    std::string preview;
    bool grayed = false;
  };

  // A keystroke: the list anew, with its first line that can be chosen
  // selected. When nothing matches, the list says so in one grayed line.
  void Type(std::string_view typed);

  const std::vector<Line>& Lines() const { return lines_; }
  std::optional<std::size_t> Selected() const { return selected_; }

  // Up (-1) and Down (+1): the next line that can be chosen that way; at
  // either end the selection stays.
  void Move(int step);
  // A click on a line selects it, if it can be chosen.
  void Select(std::size_t line);
  // Enter: the selected item; none when no line can be chosen.
  std::optional<Pick> Choice() const;

 private:
  const SearchIndex& index_;
  const RecentPicks& recent_;
  std::vector<std::size_t> rows_;  // the index's rows, one per line
  std::vector<Line> lines_;
  std::optional<std::size_t> selected_;
};
