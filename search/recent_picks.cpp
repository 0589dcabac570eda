#include "search/recent_picks.h"

#include <algorithm>

void RecentPicks::Add(Pick pick) {
  const auto known = std::find(picks_.begin(), picks_.end(), pick);
  if (known != picks_.end()) picks_.erase(known);
  picks_.insert(picks_.begin(), pick);
  if (picks_.size() > kKept) picks_.pop_back();
}
