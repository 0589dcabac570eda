#include "safety/risky_item.h"

#include <cstdint>

#include "framework/virtual_keys.h"
#include "playback/token_text.h"
#include "storage/ascii_case.h"

namespace {

constexpr std::uint8_t kVkF4 = 0x73;

// Which modifier keys a text leaves held, carried from item to item.
struct HeldKeys {
  bool ctrl = false;
  bool alt = false;
};

// The key a token taps, or 0: named keys and "[#n]" alike.
std::uint8_t TappedKey(std::string_view token) {
  if (token.size() > 2 && token[1] == '#') {
    return static_cast<std::uint8_t>(ReadNumber(StripArgument(token, '#')) & 0xFF);
  }
  if (EqualsIgnoringCase(token, "[left_win]")) return kVkLeftWin;
  if (EqualsIgnoringCase(token, "[right_win]")) return kVkRightWin;
  if (EqualsIgnoringCase(token, "[escape]")) return kVkEscape;
  if (EqualsIgnoringCase(token, "[F4]")) return kVkF4;
  return 0;
}

// Reads one bracketed token; true when it presses a system key.
bool TokenPresses(std::string_view token, HeldKeys& held) {
  if (EqualsIgnoringCase(token, "[CTRL]")) held.ctrl = true;
  if (EqualsIgnoringCase(token, "[CTRL_UP]")) held.ctrl = false;
  if (EqualsIgnoringCase(token, "[alt]")) held.alt = true;
  if (EqualsIgnoringCase(token, "[alt_up]")) held.alt = false;
  const std::uint8_t vk = TappedKey(token);
  return vk == kVkLeftWin || vk == kVkRightWin || (vk == kVkEscape && held.ctrl) ||
         (vk == kVkF4 && held.alt);
}

bool Presses(std::string_view text, HeldKeys& held) {
  // Every "[" starts a token that ends at the first "]" after it, so the
  // tokens inside a quoted text are read too; the "]" found stays valid
  // until the "[" passed it, so each is searched for once.
  std::size_t close = 0;
  for (std::size_t open = text.find('['); open != std::string_view::npos;
       open = text.find('[', open + 1)) {
    if (close <= open) close = text.find(']', open);
    if (close == std::string_view::npos) break;
    if (TokenPresses(text.substr(open, close - open + 1), held)) return true;
  }
  return false;
}

}  // namespace

bool PressesSystemKeys(std::string_view text) {
  HeldKeys held;
  return Presses(text, held);
}

bool PickPressesSystemKeys(const MacroData& doc, Pick pick) {
  if (!IsSubMenuIndex(pick.submenu) || !IsItemIndex(pick.item)) return false;
  HeldKeys held;
  // As playback runs them: the chain ends with an unchained item or the
  // submenu's row of slots.
  for (int item = pick.item; item < kMaxItems; ++item) {
    const int slot = ItemSlot(pick.submenu, item);
    if (Presses(doc.strSubMenuItemText[slot], held)) return true;
    if (doc.bChainToNext[slot] == 0) break;
  }
  return false;
}
