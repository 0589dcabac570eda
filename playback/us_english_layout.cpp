#include "playback/us_english_layout.h"

namespace {

constexpr std::int16_t kShiftBit = 0x100;
constexpr std::int16_t kNoKey = -1;

}  // namespace

std::int16_t UsEnglishKeyForChar(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return static_cast<std::int16_t>(b - 'a' + 0x41);
  if (b >= 'A' && b <= 'Z') return static_cast<std::int16_t>(kShiftBit | b);
  if (b >= '0' && b <= '9') return static_cast<std::int16_t>(b);
  switch (b) {
    case ' ':
      return 0x20;
    case '\t':
      return 0x09;
    case '\r':
      return 0x0D;
    case '\n':
      return 0x20D;
    case '\b':
      return 0x08;
    case '-':
      return 0xBD;
    case '=':
      return 0xBB;
    case '[':
      return 0xDB;
    case ']':
      return 0xDD;
    case '\\':
      return 0xDC;
    case ';':
      return 0xBA;
    case '\'':
      return 0xDE;
    case ',':
      return 0xBC;
    case '.':
      return 0xBE;
    case '/':
      return 0xBF;
    case '`':
      return 0xC0;
    case '_':
      return kShiftBit | 0xBD;
    case '+':
      return kShiftBit | 0xBB;
    case '{':
      return kShiftBit | 0xDB;
    case '}':
      return kShiftBit | 0xDD;
    case '|':
      return kShiftBit | 0xDC;
    case ':':
      return kShiftBit | 0xBA;
    case '"':
      return kShiftBit | 0xDE;
    case '<':
      return kShiftBit | 0xBC;
    case '>':
      return kShiftBit | 0xBE;
    case '?':
      return kShiftBit | 0xBF;
    case '~':
      return kShiftBit | 0xC0;
    case '!':
      return kShiftBit | '1';
    case '@':
      return kShiftBit | '2';
    case '#':
      return kShiftBit | '3';
    case '$':
      return kShiftBit | '4';
    case '%':
      return kShiftBit | '5';
    case '^':
      return kShiftBit | '6';
    case '&':
      return kShiftBit | '7';
    case '*':
      return kShiftBit | '8';
    case '(':
      return kShiftBit | '9';
    case ')':
      return kShiftBit | '0';
    default:
      return kNoKey;
  }
}
