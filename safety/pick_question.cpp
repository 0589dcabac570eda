#include "safety/pick_question.h"

#include "safety/risky_item.h"
#include "storage/utf8.h"

namespace {

// A longer text is shown cut off: the box must still fit on the screen.
constexpr std::size_t kShownLimit = 400;

// What the pick plays, one item a line, as playback runs the chain.
std::string PlayedTexts(const MacroData& doc, Pick pick) {
  std::string texts;
  for (int item = pick.item; item < kMaxItems; ++item) {
    const int slot = ItemSlot(pick.submenu, item);
    if (!texts.empty()) texts += '\n';
    texts += doc.strSubMenuItemText[slot];
    if (doc.bChainToNext[slot] == 0) break;
  }
  return texts;
}

}  // namespace

std::string PickQuestionText(const std::string& texts) {
  const std::string shown =
      texts.size() > kShownLimit ? std::string(Utf8Prefix(texts, kShownLimit)) + "..." : texts;
  return "This macro document came from the internet. The item you picked can open the Start "
         "menu or the Run box and type a command:\n\n" +
         shown + "\n\nPlay it?";
}

void PickQuestion::SetDocument(const std::string& path, bool fromInternet) {
  if (path != path_) allowed_.clear();
  path_ = path;
  from_internet_ = fromInternet;
}

bool PickQuestion::MayPlay(const MacroData& doc, Pick pick, MessageBoxPort& messages) {
  if (!from_internet_ || !PickPressesSystemKeys(doc, pick)) return true;
  const std::string texts = PlayedTexts(doc, pick);
  if (allowed_.contains(texts)) return true;
  if (messages.AfxMessageBox(PickQuestionText(texts), MB::kYesNo | MB::kIconExclamation) !=
      MB::kIdYes) {
    return false;
  }
  allowed_.insert(texts);
  return true;
}
