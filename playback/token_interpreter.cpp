#include "playback/token_interpreter.h"

#include <array>
#include <optional>
#include <string>

#include "framework/virtual_keys.h"
#include "playback/token_text.h"
#include "storage/utf8.h"

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
    {"[enter]", kVkReturn, KeyAction::tap},
    {"[escape]", kVkEscape, KeyAction::tap},
    {"[up]", kVkUp, KeyAction::tap},
    {"[down]", kVkDown, KeyAction::tap},
    {"[left]", kVkLeft, KeyAction::tap},
    {"[right]", kVkRight, KeyAction::tap},
    {"[insert]", kVkInsert, KeyAction::tap},
    {"[delete]", kVkDelete, KeyAction::tap},
    {"[home]", kVkHome, KeyAction::tap},
    {"[end]", kVkEnd, KeyAction::tap},
    {"[page_up]", kVkPrior, KeyAction::tap},
    {"[page_down]", kVkNext, KeyAction::tap},
    {"[back]", kVkBack, KeyAction::tap},
    {"[left_win]", kVkLeftWin, KeyAction::tap},
    {"[right_win]", kVkRightWin, KeyAction::tap},
    {"[apps]", kVkApps, KeyAction::tap},
    {"[CTRL]", kVkControl, KeyAction::pressOnly},
    {"[CTRL_UP]", kVkControl, KeyAction::releaseOnly},
    {"[shift]", kVkShift, KeyAction::pressOnly},
    {"[alt]", kVkMenu, KeyAction::pressOnly},
    {"[alt_up]", kVkMenu, KeyAction::releaseOnly},
    {"[SHIFT_UP]", kVkShift, KeyAction::releaseOnly},
}};

// "[F1]" .. "[F24]" in either letter case: the function key's code.
std::optional<std::uint8_t> FunctionKeyToken(std::string_view text) {
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return std::nullopt;
  return FunctionKey(text.substr(1, text.size() - 2));
}

}  // namespace

bool TokenInterpreter::RunItemToken(Pick slot) {
  // A copy: a prompt's dialog lets the document change while the text runs.
  const std::string text = doc_.strSubMenuItemText[ItemSlot(slot.submenu, slot.item)];
  return RunToken(text);
}

bool TokenInterpreter::RunToken(std::string_view text) {
  if (EqualsIgnoringCase(text, "[tab]")) {
    output_.TapKey(kVkTab);
    return true;
  }
  if (!text.empty() && text[0] == '[' && RunPrefixedToken(text)) return true;
  return RunNamedToken(text);
}

bool TokenInterpreter::RunPrefixedToken(std::string_view text) {
  const std::size_t length = text.size();
  if (length < 2 || text[length - 1] != ']') return false;
  const char marker = text[1];
  switch (marker) {
    case '^':
      output_.SetClipboardText(StripArgument(text, marker));
      return true;
    case '*':
      prompts_.SetDefaultEntry(StripArgument(text, marker));
      return true;
    case '!': {
      // Negative waits have no meaning; they wait nothing.
      const std::int32_t ms = ReadNumber(StripArgument(text, marker));
      output_.Sleep(ms > 0 ? static_cast<std::uint32_t>(ms) : 0);
      return true;
    }
    case '%':
      prompts_.TypeVariable(VariableNumber(StripArgument(text, marker)));
      return true;
    case '&': {
      const std::string argument = StripArgument(text, marker);
      const std::string prompt = argument.empty() ? std::string() : argument.substr(1);
      prompts_.PromptVariable(VariableNumber(argument), prompt);
      return true;
    }
    case ';':
      return true;
    case '#':
      output_.TapKey(static_cast<std::uint8_t>(ReadNumber(StripArgument(text, marker)) & 0xFF));
      return true;
    case '"':
      if (length < 3 || text[length - 2] != '"') return false;
      TypeQuotedText(text);
      return true;
    case '\'': {
      const std::string argument = StripArgument(text, marker);
      std::size_t pos = 0;
      output_.TypeChar(argument.empty() ? 0 : NextCodePoint(argument, pos), Guard::byCharacter);
      return true;
    }
    default:
      return false;
  }
}

bool TokenInterpreter::RunNamedToken(std::string_view text) {
  for (const NamedKey& key : kNamedKeys) {
    if (!EqualsIgnoringCase(text, key.name)) continue;
    switch (key.action) {
      case KeyAction::tap:
        output_.TapKey(key.vk);
        break;
      case KeyAction::pressOnly:
        output_.PressKey(key.vk);
        break;
      case KeyAction::releaseOnly:
        output_.ReleaseKey(key.vk);
        break;
    }
    return true;
  }
  if (EqualsIgnoringCase(text, "[multi]")) {
    prompts_.SetMultiLineEntry(true);
    return true;
  }
  if (EqualsIgnoringCase(text, "[single]")) {
    prompts_.SetMultiLineEntry(false);
    return true;
  }
  if (EqualsIgnoringCase(text, "[paste]")) {
    output_.SendPasteKeysNoWait();
    return true;
  }
  if (const std::optional<std::uint8_t> vk = FunctionKeyToken(text)) {
    output_.TapKey(*vk);
    return true;
  }
  return false;
}

void TokenInterpreter::TypeQuotedText(std::string_view token) {
  // The characters between the quote marks are token[2] .. token[length - 3].
  const std::size_t last = token.size() - 1;  // the token's closing "]"
  const std::size_t end = token.size() - 2;   // the closing quote
  // The first "]" at or after the last "[" met. It stays valid until the
  // text has moved past it, so every "]" is searched for once.
  std::size_t close = 0;
  std::size_t i = 2;
  while (i < end && !output_.Stopped()) {
    if (token[i] != '[') {
      output_.TypeChar(NextCodePoint(token.substr(0, end), i), Guard::byKey);
      continue;
    }
    if (close < i) close = token.find(']', i);  // always found: the token ends with "]"
    // No "]" before the closing quote, or not a token: the "[" is a character.
    if (close == last || !RunToken(token.substr(i, close - i + 1))) {
      output_.TypeChar('[', Guard::byKey);
      ++i;
      continue;
    }
    i = close + 1;
  }
}
