#include "search/search_box.h"

SearchBox::SearchBox(const SearchIndex& index, const RecentPicks& recent)
    : index_(index), recent_(recent) {
  Type({});
}

void SearchBox::Type(std::string_view typed) {
  rows_ = index_.Filter(typed, recent_);
  lines_.clear();
  selected_.reset();
  for (const std::size_t row : rows_) {
    const SearchRow& item = index_.Rows()[row];
    lines_.push_back({item.label, item.preview, item.grayed});
    if (!selected_ && !item.grayed) selected_ = lines_.size() - 1;
  }
  if (lines_.empty()) lines_.push_back({kNoItemMatches, {}, true});
}

void SearchBox::Move(int step) {
  if (!selected_) return;
  for (std::size_t line = *selected_; step < 0 ? line > 0 : line + 1 < rows_.size();) {
    line = step < 0 ? line - 1 : line + 1;
    if (!lines_[line].grayed) {
      selected_ = line;
      return;
    }
  }
}

void SearchBox::Select(std::size_t line) {
  if (line < rows_.size() && !lines_[line].grayed) selected_ = line;
}

std::optional<Pick> SearchBox::Choice() const {
  if (!selected_) return std::nullopt;
  return index_.Rows()[rows_[*selected_]].pick;
}
