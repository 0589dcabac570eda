#pragma once
// The command identifiers of the pick menu's items: item j of submenu s is
// 1075 + 50 * s + j. Decoding reverses it; only item indices 0 to 48 come
// back as themselves (index 49 would decode as the next submenu's -1).

#include <optional>

constexpr int kFirstPickCommand = 1075;

struct ItemAddress {
  int submenu = 0;
  int item = 0;
  friend bool operator==(const ItemAddress&, const ItemAddress&) = default;
};

constexpr int PickCommandId(int submenu, int item) {
  return 1024 + 50 * (submenu + 1) + (item + 1);
}

// The raw decoding of any id, as the command hook computes it.
constexpr ItemAddress DecodePickCommand(int id) {
  return {(id - 1024) / 50 - 1, (id - 1024) % 50 - 1};
}

// Whether an item may stand in the pick menu: its id must decode to itself.
constexpr bool IsPickableItemIndex(int item) { return item >= 0 && item <= 48; }
