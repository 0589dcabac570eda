// The token interpreter: an item text that is exactly one bracketed token
// is carried out; anything else is left to the caller to paste.
#include <array>
#include <string_view>

#include "playback/playback.h"
#include "playback/token_text.h"

namespace {

enum class KeyAction { tap, pressOnly, releaseOnly };

struct NamedKey {
  std::string_view name;
  std::uint8_t vk;
  KeyAction action;
};

// The named keys ("[tab]" is tested before everything else; "[multi]",
// "[single]", "[paste]" and the function keys are handled beside these).
// Each is compared with the whole text, so their order does not matter.
constexpr std::array<NamedKey, 22> kNamedKeys = {{
    {"[enter]", 0x0D, KeyAction::tap},
    {"[escape]", 0x1B, KeyAction::tap},
    {"[up]", 0x26, KeyAction::tap},
    {"[down]", 0x28, KeyAction::tap},
    {"[left]", 0x25, KeyAction::tap},
    {"[right]", 0x27, KeyAction::tap},
    {"[insert]", 0x2D, KeyAction::tap},
    {"[delete]", 0x2E, KeyAction::tap},
    {"[home]", 0x24, KeyAction::tap},
    {"[end]", 0x23, KeyAction::tap},
    {"[page_up]", 0x21, KeyAction::tap},
    {"[page_down]", 0x22, KeyAction::tap},
    {"[back]", 0x08, KeyAction::tap},
    {"[left_win]", 0x5B, KeyAction::tap},
    {"[right_win]", 0x5C, KeyAction::tap},
    {"[apps]", 0x5D, KeyAction::tap},
    {"[CTRL]", 0x11, KeyAction::pressOnly},
    {"[CTRL_UP]", 0x11, KeyAction::releaseOnly},
    {"[shift]", 0x10, KeyAction::pressOnly},
    {"[alt]", 0x12, KeyAction::pressOnly},
    {"[alt_up]", 0x12, KeyAction::releaseOnly},
    {"[SHIFT_UP]", 0x10, KeyAction::releaseOnly},
}};

// "[F1]" .. "[F24]": the function key's number, or 0.
int FunctionKeyNumber(const std::string& text) {
  for (int n = 1; n <= 24; ++n) {
    if (EqualsIgnoringCase(text, "[F" + std::to_string(n) + "]")) return n;
  }
  return 0;
}

}  // namespace

bool Playback::RunToken(int nSubMenu, int nItem, bool bUseText, std::string strText) {
  if (!bUseText) {
    // Only the runner reads items, and only within the document's capacity.
    if (!IsSubMenuIndex(nSubMenu) || !IsItemIndex(nItem)) return false;
    strText = pDoc->strSubMenuItemText[ItemSlot(nSubMenu, nItem)];
  }
  const std::string& text = strText;

  if (EqualsIgnoringCase(text, "[tab]")) {
    TapKey(kVkTab);
    return true;
  }
  if (!text.empty() && text[0] == '[' && RunPrefixedToken(text)) return true;
  return RunNamedToken(text);
}

bool Playback::RunPrefixedToken(const std::string& text) {
  const std::size_t L = text.size();
  if (L < 2) return false;
  const char marker = text[1];
  const bool closed = text[L - 1] == ']';
  if (!closed) return false;

  switch (marker) {
    case '^':
      SetClipboardText(StripArgument(text, marker));
      return true;
    case '*':
      strDefaultEntry = StripArgument(text, marker);
      return true;
    case '!': {
      // Negative waits have no meaning; they wait nothing.
      const std::int32_t ms = ReadNumber(StripArgument(text, marker));
      platform_.Sleep(ms > 0 ? static_cast<std::uint32_t>(ms) : 0);
      return true;
    }
    case '%':
      TypeVariable(VariableNumber(StripArgument(text, marker)));
      return true;
    case '&': {
      const std::string argument = StripArgument(text, marker);
      const std::string prompt = argument.empty() ? std::string() : argument.substr(1);
      PromptVariable(VariableNumber(argument), prompt);
      return true;
    }
    case ';':
      return true;
    case '#':
      TapKey(static_cast<std::uint8_t>(ReadNumber(StripArgument(text, marker)) & 0xFF));
      return true;
    case '"':
      if (L < 3 || text[L - 2] != '"') return false;
      TypeQuotedText(text);
      return true;
    case '\'': {
      const std::string argument = StripArgument(text, marker);
      TypeChar(argument.empty() ? '\0' : argument[0], Guard::byCharacter);
      return true;
    }
    default:
      return false;
  }
}

bool Playback::RunNamedToken(const std::string& text) {
  for (const NamedKey& key : kNamedKeys) {
    if (!EqualsIgnoringCase(text, key.name)) continue;
    switch (key.action) {
      case KeyAction::tap: TapKey(key.vk); break;
      case KeyAction::pressOnly: PressKey(key.vk); break;
      case KeyAction::releaseOnly: ReleaseKey(key.vk); break;
    }
    return true;
  }
  if (EqualsIgnoringCase(text, "[multi]")) {
    bMultiLineEntry = true;
    return true;
  }
  if (EqualsIgnoringCase(text, "[single]")) {
    bMultiLineEntry = false;
    return true;
  }
  if (EqualsIgnoringCase(text, "[paste]")) {
    SendPasteKeysNoWait();
    return true;
  }
  if (const int n = FunctionKeyNumber(text); n != 0) {
    TapKey(static_cast<std::uint8_t>(0x6F + n));
    return true;
  }
  return false;
}

void Playback::TypeQuotedText(const std::string& token) {
  // The characters between the quote marks are token[2] .. token[L - 3].
  const std::size_t L = token.size();
  const std::size_t end = L - 2;
  std::size_t i = 2;
  while (i < end) {
    const char c = token[i];
    if (c != '[') {
      TypeChar(c, Guard::byKey);
      ++i;
      continue;
    }
    const std::size_t m = token.find(']', i);  // always found: the token ends with "]"
    if (m == L - 1) {
      TypeChar('[', Guard::byKey);
      ++i;
      continue;
    }
    if (!RunToken(0, 0, true, token.substr(i, m - i + 1))) {
      TypeChar('[', Guard::byKey);
      ++i;
      continue;
    }
    if (m + 1 == end) return;
    i = m + 1;
  }
}
