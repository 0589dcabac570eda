#include "playback/effect_text.h"

#include <cstdio>
#include <optional>

#include "storage/utf8.h"

namespace {

std::string Hex2(unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02x", value & 0xFF);
  return buffer;
}

std::string InputText(const KeyInput& input) {
  if (!input.unicode) return Hex2(input.vk);
  char buffer[12];
  std::snprintf(buffer, sizeof buffer, "u+%04x", static_cast<unsigned>(input.scan));
  return buffer;
}

}  // namespace

std::string QuoteText(std::string_view text) {
  // Characters from U+00A0 on stand as themselves; a control character or
  // a byte that starts no character as \x and its bytes.
  std::string out = "\"";
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char c = text[pos];
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
      ++pos;
      continue;
    }
    if (b >= 0x20 && b < 0x7F) {
      out += c;
      ++pos;
      continue;
    }
    const std::size_t start = pos;
    const std::optional<char32_t> cp = DecodeUtf8(text, pos);
    if (cp && *cp >= 0xA0) {
      out.append(text.substr(start, pos - start));
      continue;
    }
    if (!cp) ++pos;
    for (std::size_t i = start; i < pos; ++i)
      out += "\\x" + Hex2(static_cast<unsigned char>(text[i]));
  }
  return out + "\"";
}

std::string EffectText(const Effect& effect) {
  switch (effect.kind) {
    case Effect::Kind::keyDown:
      return "down " + InputText(effect.input);
    case Effect::Kind::keyUp:
      return "up " + InputText(effect.input);
    case Effect::Kind::released:
      return "released " + InputText(effect.input);
    case Effect::Kind::sleep:
      return "sleep " + std::to_string(effect.number);
    case Effect::Kind::clipboard:
      return "clipboard " + QuoteText(effect.text);
    case Effect::Kind::message:
      return "message " + QuoteText(effect.text);
    case Effect::Kind::prompt: {
      const DataEntryRequest& r = effect.request;
      std::string line = "prompt " + std::to_string(r.variable) + " " + QuoteText(r.strPrompt);
      if (r.strDefault != kNoDefault) line += " default " + QuoteText(r.strDefault);
      return line + (r.bMultiLine ? " multi" : " single");
    }
    case Effect::Kind::setForeground:
      return {};
  }
  return {};
}

void EffectLineWriter::Write(const Effect& effect) {
  const std::string line = EffectText(effect);
  if (!line.empty()) WriteLine(line);
}

void EffectLineWriter::SlotStarting(Pick slot) {
  WriteLine("run " + std::to_string(slot.submenu) + " " + std::to_string(slot.item));
}

void EffectLineWriter::SlotFinished(bool recognised) {
  WriteLine(recognised ? "recognised" : "pasted");
}
