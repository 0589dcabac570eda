#pragma once
// The items picked in this session, the latest first: with nothing typed,
// the search box lists them before the others.

#include <vector>

#include "playback/pick.h"

class RecentPicks {
 public:
  // The pick moves to the front; the list keeps the latest kKept.
  void Add(Pick pick);
  const std::vector<Pick>& LatestFirst() const { return picks_; }

  static constexpr std::size_t kKept = 50;

 private:
  std::vector<Pick> picks_;
};
