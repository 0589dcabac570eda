#include "tools/zvk/check_report.h"

#include "document/zorvak_doc.h"
#include "playback/effect_text.h"
#include "safety/risky_item.h"
#include "storage/legacy_code_page.h"
#include "storage/utf8.h"

namespace {

std::string Plural(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// What older versions make of a text, and what a damaged one was read as:
// the ends of the warnings' sentences (none for most texts).
std::vector<const char*> TextFindings(const std::string& text) {
  std::vector<const char*> findings;
  if (IsAscii(text)) return findings;
  if (!Utf8ToLegacy(text)) {
    findings.push_back(
        " is saved in the file's UTF-16 form: older versions show these characters as question "
        "marks.");
  }
  if (text.find("\xEF\xBF\xBD") != std::string::npos) {
    findings.push_back(
        " holds U+FFFD, which stands where the file had half of a UTF-16 surrogate pair (or "
        "U+FFFD itself).");
  }
  return findings;
}

void WarnAboutItems(const MacroData& doc, int s, std::vector<std::string>& out) {
  const int count = doc.ItemCount(s);
  if (doc.nNumSubMenuItems[s] < 0) {
    out.push_back("Submenu " + SubMenuLabel(doc, s) + " has the item count " +
                  std::to_string(doc.nNumSubMenuItems[s]) + ", which is read as no items.");
  }
  if (count > kEditorMaxItems) {
    std::string text = "Submenu " + SubMenuLabel(doc, s) + " has " + std::to_string(count) +
                       " items; the editor makes at most " + std::to_string(kEditorMaxItems) + ".";
    if (count == kMaxItems) {
      text += "  Its last item, " + ItemLabel(doc, s, kMaxItems - 1) +
              ", cannot be picked from the menu (a chain still reaches it).";
    }
    out.push_back(text);
  }
  for (int j = 0; j < count; ++j) {
    for (const char* finding : TextFindings(doc.strSubMenuItemName[ItemSlot(s, j)]))
      out.push_back("The name of item " + ItemLabel(doc, s, j) + finding);
    for (const char* finding : TextFindings(doc.strSubMenuItemText[ItemSlot(s, j)]))
      out.push_back("The text of item " + ItemLabel(doc, s, j) + finding);
    if (doc.strSubMenuItemText[ItemSlot(s, j)].empty()) {
      out.push_back("Item " + ItemLabel(doc, s, j) +
                    " has an empty text: it is shown grayed and runs only through a chain, as an "
                    "empty paste.");
    }
    if (PickPressesSystemKeys(doc, {s, j})) {
      out.push_back("Item " + ItemLabel(doc, s, j) + ": " + kRiskyItemWarning + ".");
    }
  }
  if (count > 0 && doc.bChainToNext[ItemSlot(s, count - 1)] != 0) {
    std::string text = "Item " + ItemLabel(doc, s, count - 1) +
                       " is the last of its submenu but is chained to the next item";
    text += count < kMaxItems ? ": a run of it goes on with the empty slot after it, which pastes "
                                "an empty text."
                              : "; the chain ends there.";
    out.push_back(text);
  }
}

}  // namespace

std::string SubMenuLabel(const MacroData& doc, int s) {
  return std::to_string(s) + " " + QuoteText(doc.strSubMenuName[s]);
}

std::string ItemLabel(const MacroData& doc, int s, int j) {
  return std::to_string(s) + "." + std::to_string(j) + " " +
         QuoteText(doc.strSubMenuItemName[ItemSlot(s, j)]);
}

std::vector<std::string> CheckSummary(const MacroData& doc, std::int32_t version) {
  int items = 0;
  for (int s = 0; s < doc.SubMenuCount(); ++s) items += doc.ItemCount(s);
  std::vector<std::string> lines;
  lines.push_back("version " + std::to_string(version) + ", " +
                  Plural(doc.SubMenuCount(), "submenu", "submenus") + ", " +
                  Plural(items, "item", "items"));
  for (int s = 0; s < doc.SubMenuCount(); ++s) {
    lines.push_back("  submenu " + SubMenuLabel(doc, s) + ": " +
                    Plural(doc.ItemCount(s), "item", "items"));
  }
  return lines;
}

std::vector<std::string> CheckWarnings(const MacroData& doc, std::int32_t version) {
  std::vector<std::string> out;
  if (version != kFileFormatVersion) {
    out.push_back("The file's version word is " + std::to_string(version) +
                  "; the program reads it like version " + std::to_string(kFileFormatVersion) +
                  " and writes it back as version " + std::to_string(kFileFormatVersion) + ".");
  }
  if (doc.nNumSubMenus < 0) {
    out.push_back("The submenu count is " + std::to_string(doc.nNumSubMenus) +
                  ", which is read as no submenus.");
  }
  if (doc.SubMenuCount() > kEditorMaxSubMenus) {
    out.push_back("The file has " + std::to_string(doc.SubMenuCount()) +
                  " submenus; the editor makes at most " + std::to_string(kEditorMaxSubMenus) +
                  " and refuses a new one.");
  }
  std::string topLevels;
  int topLevelCount = 0;
  for (int s = 0; s < doc.SubMenuCount(); ++s) {
    if (!IsTopLevelName(doc.strSubMenuName[s])) continue;
    topLevels += (topLevelCount == 0 ? "" : ", ") + SubMenuLabel(doc, s);
    ++topLevelCount;
  }
  if (topLevelCount > 1) {
    out.push_back(std::to_string(topLevelCount) + " submenus are named TopLevel (" + topLevels +
                  "): the items of each stand directly in the pick menu, at its own place.");
  }
  for (int s = 0; s < doc.SubMenuCount(); ++s) {
    for (const char* finding : TextFindings(doc.strSubMenuName[s]))
      out.push_back("The name of submenu " + SubMenuLabel(doc, s) + finding);
    WarnAboutItems(doc, s, out);
  }
  return out;
}
