#pragma once
// The content of a macro document: up to 50 submenus of up to 50 items,
// each item with a name, a text and a chain-to-next flag. The three
// per-item arrays share one flat slot per item: submenu s, item j lives in
// slot s * 50 + j. Only the submenus below nNumSubMenus and, in each, the
// items below its count are content; every other slot may hold leftovers.
//
// The document and the Edit SubMenus dialog's working copy both hold their
// data in this shape, so copying one into the other is an assignment.

#include <array>
#include <cstdint>
#include <string>

constexpr int kMaxSubMenus = 50;
constexpr int kMaxItems = 50;
constexpr int kItemSlots = kMaxSubMenus * kMaxItems;

// The editor's limits: it never creates more than these.
constexpr int kEditorMaxSubMenus = 49;
constexpr int kEditorMaxItems = 48;

constexpr int ItemSlot(int submenu, int item) { return submenu * kMaxItems + item; }

constexpr bool IsSubMenuIndex(std::int64_t s) { return s >= 0 && s < kMaxSubMenus; }
constexpr bool IsItemIndex(std::int64_t j) { return j >= 0 && j < kMaxItems; }

// The submenu name "TopLevel", in any letter case, puts a submenu's items
// straight into the pick menu.
bool IsTopLevelName(const std::string& submenuName);

struct MacroData {
  std::array<std::int32_t, kItemSlots> bChainToNext{};  // nonzero: chained
  std::int32_t nNumSubMenus = 0;
  std::array<std::int32_t, kMaxSubMenus> nNumSubMenuItems{};
  std::array<std::string, kItemSlots> strSubMenuItemText;
  std::array<std::string, kMaxSubMenus> strSubMenuName;
  std::array<std::string, kItemSlots> strSubMenuItemName;

  // Every slot cleared, not only those within the counts.
  void ClearAll();

  // Every slot alike, in use or not.
  friend bool operator==(const MacroData&, const MacroData&) = default;

  // Submenus in use, read as a count: a negative count (which a file may
  // hold) counts as none. Never more than the capacity.
  int SubMenuCount() const;
  // Items in use in submenu s (0 .. 49), likewise.
  int ItemCount(int s) const;
};
