#pragma once
// The command identifiers of the pick menu's items: item j of submenu s is
// 1075 + 50 * s + j. Decoding reverses it; only item indices 0 to 48 come
// back as themselves (index 49 would decode as the next submenu's -1).

#include <optional>

#include "playback/pick.h"

constexpr int kFirstPickCommand = 1075;

constexpr int PickCommandId(int submenu, int item) {
  return 1024 + 50 * (submenu + 1) + (item + 1);
}

// Whether an item may stand in the pick menu: its id must decode to itself.
constexpr bool IsPickableItemIndex(int item) { return item >= 0 && item <= 48; }

// The item an id of the pick menu names, whatever the document holds; no
// pick for an id no item of the menu could have.
constexpr std::optional<Pick> DecodePickCommand(int id) {
  if (id < kFirstPickCommand) return std::nullopt;
  const Pick pick{(id - 1024) / 50 - 1, (id - 1024) % 50 - 1};
  if (!IsPickableItemIndex(pick.item) || PickCommandId(pick.submenu, pick.item) != id) {
    return std::nullopt;
  }
  return pick;
}
