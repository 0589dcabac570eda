#pragma once
// Builds macro documents for tests: submenus of named items, appended to a
// document's content or written as the bytes of a file (by hand, so that
// the file form is checked against an independent writer).

#include <memory>
#include <utility>

#include "document/macro_data.h"
#include "support/test_bytes.h"

struct TestItem {
  std::string name;
  std::string text;
  std::int32_t chain = 0;
};

// count items "I0".."I<count-1>" with the texts "T0".., not chained.
inline std::vector<TestItem> NumberedItems(int count) {
  std::vector<TestItem> items;
  for (int i = 0; i < count; ++i)
    items.push_back({"I" + std::to_string(i), "T" + std::to_string(i)});
  return items;
}

class DocumentBuilder {
 public:
  DocumentBuilder& SubMenu(std::string name, std::vector<TestItem> items = {}) {
    sub_menus_.push_back({std::move(name), std::move(items)});
    return *this;
  }
  // count submenus "S0".."S<count-1>", each holding items.
  DocumentBuilder& NumberedSubMenus(int count, const std::vector<TestItem>& items = {}) {
    for (int i = 0; i < count; ++i) SubMenu("S" + std::to_string(i), items);
    return *this;
  }

  // Appends the submenus after those data already holds.
  void AddTo(MacroData& data) const {
    for (const auto& [name, items] : sub_menus_) {
      const int s = data.nNumSubMenus++;
      data.strSubMenuName[s] = name;
      data.nNumSubMenuItems[s] = static_cast<std::int32_t>(items.size());
      for (int j = 0; j < static_cast<int>(items.size()); ++j) {
        const int k = ItemSlot(s, j);
        data.strSubMenuItemName[k] = items[j].name;
        data.strSubMenuItemText[k] = items[j].text;
        data.bChainToNext[k] = items[j].chain;
      }
    }
  }
  std::unique_ptr<MacroData> Build() const {
    auto data = std::make_unique<MacroData>();
    AddTo(*data);
    return data;
  }

  // The file form: the version word, two reserved words, then the
  // submenus (names and texts below 255 bytes).
  Bytes FileBytes(std::int32_t version = 1) const {
    Bytes out =
        Int32(version) + Int32(0) + Int32(0) + Int32(static_cast<std::int32_t>(sub_menus_.size()));
    for (const auto& [name, items] : sub_menus_) {
      out = out + Int32(static_cast<std::int32_t>(items.size())) + Counted(name);
      for (const TestItem& item : items)
        out = out + Counted(item.name) + Counted(item.text) + Int32(item.chain);
    }
    return out;
  }

 private:
  std::vector<std::pair<std::string, std::vector<TestItem>>> sub_menus_;  // name, items
};

// The two-submenu example: "TopLevel" with Enter (chained) and Tab, then an empty "Help".
inline const DocumentBuilder kExampleDocument =
    DocumentBuilder()
        .SubMenu("TopLevel", {{"Enter", "[enter]", 1}, {"Tab", "[tab]"}})
        .SubMenu("Help");
