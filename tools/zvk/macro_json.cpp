#include "tools/zvk/macro_json.h"

#include <initializer_list>
#include <limits>

JsonValue MacroToJson(const MacroData& doc, std::int32_t version) {
  JsonValue root = JsonValue::Object();
  root.Add("version", JsonValue::Number(version));
  JsonValue& submenus = root.Add("submenus", JsonValue::Array());
  for (int s = 0; s < doc.SubMenuCount(); ++s) {
    JsonValue submenu = JsonValue::Object();
    submenu.Add("name", JsonValue::String(doc.strSubMenuName[s]));
    JsonValue& items = submenu.Add("items", JsonValue::Array());
    for (int j = 0; j < doc.ItemCount(s); ++j) {
      const int k = ItemSlot(s, j);
      JsonValue item = JsonValue::Object();
      item.Add("name", JsonValue::String(doc.strSubMenuItemName[k]));
      item.Add("text", JsonValue::String(doc.strSubMenuItemText[k]));
      item.Add("chain", JsonValue::Number(doc.bChainToNext[k]));
      items.items.push_back(std::move(item));
    }
    submenus.items.push_back(std::move(submenu));
  }
  return root;
}

namespace {

std::string Member(const std::string& path, const std::string& key) {
  return path.empty() ? key : path + "." + key;
}

std::string Element(const std::string& path, std::size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

void ExpectType(const JsonValue& v, JsonValue::Type type, const std::string& path) {
  if (v.type != type) {
    throw MacroJsonError(
        path, std::string("expected ") + JsonTypeName(type) + ", found " + JsonTypeName(v.type));
  }
}

// Refuses members other than those named, so that a misspelt name is not
// silently dropped.
void ExpectOnlyMembers(const JsonValue& object, std::initializer_list<const char*> known,
                       const std::string& path, const char* what) {
  for (const JsonMember& m : object.members) {
    bool found = false;
    for (const char* k : known) found = found || m.key == k;
    if (!found) {
      std::string names;
      for (const char* k : known) names += std::string(names.empty() ? "" : ", ") + "\"" + k + "\"";
      throw MacroJsonError(Member(path, m.key),
                           std::string("unknown member; ") + what + " has only " + names);
    }
  }
}

const JsonValue& Required(const JsonValue& object, const char* key, JsonValue::Type type,
                          const std::string& path) {
  const JsonValue* v = object.Find(key);
  if (v == nullptr)
    throw MacroJsonError(path, std::string("the member \"") + key + "\" is missing");
  ExpectType(*v, type, Member(path, key));
  return *v;
}

std::int32_t Int32(const JsonValue& v, const std::string& path) {
  const std::optional<std::int64_t> n = v.AsInteger();
  if (!n || *n < std::numeric_limits<std::int32_t>::min() ||
      *n > std::numeric_limits<std::int32_t>::max()) {
    throw MacroJsonError(path,
                         "expected a whole number from -2147483648 to 2147483647, found " + v.text);
  }
  return static_cast<std::int32_t>(*n);
}

std::string Text(const JsonValue& object, const char* key, const std::string& path) {
  // The reader has checked that the text is UTF-8, the form in memory.
  return Required(object, key, JsonValue::Type::string, path).text;
}

std::int32_t ChainFlag(const JsonValue& item, const std::string& path) {
  const JsonValue* v = item.Find("chain");
  if (v == nullptr) return 0;
  if (v->type == JsonValue::Type::boolean) return v->boolean ? 1 : 0;
  if (v->type != JsonValue::Type::number) {
    throw MacroJsonError(
        Member(path, "chain"),
        std::string("expected a number or true or false, found ") + JsonTypeName(v->type));
  }
  return Int32(*v, Member(path, "chain"));
}

void CheckCount(std::size_t count, int capacity, const std::string& path, const char* what,
                const char* holder) {
  if (count > static_cast<std::size_t>(capacity)) {
    throw MacroJsonError(path, std::to_string(count) + " " + what + "; " + holder +
                                   " holds at most " + std::to_string(capacity));
  }
}

}  // namespace

void JsonToMacro(const JsonValue& json, MacroData& doc) {
  ExpectType(json, JsonValue::Type::object, "");
  ExpectOnlyMembers(json, {"version", "submenus"}, "", "the document");
  if (const JsonValue* version = json.Find("version")) {
    ExpectType(*version, JsonValue::Type::number, "version");
    Int32(*version, "version");
  }
  const JsonValue& submenus = Required(json, "submenus", JsonValue::Type::array, "");
  CheckCount(submenus.items.size(), kMaxSubMenus, "submenus", "submenus", "a file");

  doc.nNumSubMenus = static_cast<std::int32_t>(submenus.items.size());
  for (std::size_t s = 0; s < submenus.items.size(); ++s) {
    const std::string path = Element("submenus", s);
    const JsonValue& submenu = submenus.items[s];
    ExpectType(submenu, JsonValue::Type::object, path);
    ExpectOnlyMembers(submenu, {"name", "items"}, path, "a submenu");
    doc.strSubMenuName[s] = Text(submenu, "name", path);
    const JsonValue& items = Required(submenu, "items", JsonValue::Type::array, path);
    CheckCount(items.items.size(), kMaxItems, Member(path, "items"), "items", "a submenu");

    doc.nNumSubMenuItems[s] = static_cast<std::int32_t>(items.items.size());
    for (std::size_t j = 0; j < items.items.size(); ++j) {
      const std::string itemPath = Element(Member(path, "items"), j);
      const JsonValue& item = items.items[j];
      ExpectType(item, JsonValue::Type::object, itemPath);
      ExpectOnlyMembers(item, {"name", "text", "chain"}, itemPath, "an item");
      const int k = ItemSlot(static_cast<int>(s), static_cast<int>(j));
      doc.strSubMenuItemName[k] = Text(item, "name", itemPath);
      doc.strSubMenuItemText[k] = Text(item, "text", itemPath);
      doc.bChainToNext[k] = ChainFlag(item, itemPath);
    }
  }
}
