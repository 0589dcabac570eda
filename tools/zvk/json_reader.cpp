#include "tools/zvk/json_reader.h"

#include <set>

#include "storage/utf8.h"

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
  }

  JsonValue ParseDocument() {
    SkipSpace();
    if (AtEnd()) Fail("the text holds no JSON value");
    JsonValue value = ParseValue(0);
    SkipSpace();
    if (!AtEnd()) Fail("unexpected text after the end of the JSON value");
    return value;
  }

 private:
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

  [[noreturn]] void Fail(const std::string& message) const { FailAt(pos_, message); }

  [[noreturn]] void FailAt(std::size_t offset, const std::string& message) const {
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset && i < text_.size(); ++i) {
      const auto b = static_cast<unsigned char>(text_[i]);
      if (b == '\n') {
        ++line;
        column = 1;
      } else if ((b & 0xC0) != 0x80 && !(i < 3 && text_.substr(0, 3) == "\xEF\xBB\xBF")) {
        ++column;  // continuation bytes and the byte-order mark take no column
      }
    }
    throw JsonSyntaxError(line, column, message);
  }

  // What stands at the current position, for messages.
  std::string Found() const {
    if (AtEnd()) return "the end of the text";
    const auto b = static_cast<unsigned char>(text_[pos_]);
    if (b >= 0x20 && b < 0x7F) return std::string("'") + text_[pos_] + "'";
    std::size_t p = pos_;
    const auto cp = DecodeUtf8(text_, p);
    return cp ? CodePointName(*cp) : "a byte that is not UTF-8";
  }

  void SkipSpace() {
    while (!AtEnd()) {
      const char c = text_[pos_];
      if (c != ' ' && c != '\t' && c != '\n' && c != '\r') break;
      ++pos_;
    }
  }

  void Expect(char c, const char* what) {
    if (!Consume(c)) Fail(std::string("expected ") + what + ", found " + Found());
  }

  // Steps over c when it comes next; says whether it did.
  bool Consume(char c) {
    if (Peek() != c) return false;
    ++pos_;
    return true;
  }

  JsonValue ParseValue(int depth) {
    switch (Peek()) {
      case '{':
        return ParseObject(depth + 1);
      case '[':
        return ParseArray(depth + 1);
      case '"':
        return JsonValue::String(ParseString());
      case 't':
        return ParseLiteral("true", JsonValue::Boolean(true));
      case 'f':
        return ParseLiteral("false", JsonValue::Boolean(false));
      case 'n':
        return ParseLiteral("null", JsonValue());
      default:
        if (Peek() == '-' || (Peek() >= '0' && Peek() <= '9')) return ParseNumber();
        Fail("expected a value, found " + Found());
    }
  }

  JsonValue ParseLiteral(std::string_view word, JsonValue value) {
    if (text_.substr(pos_, word.size()) != word) Fail("expected a value, found " + Found());
    pos_ += word.size();
    return value;
  }

  void CheckDepth(int depth) const {
    if (depth > kMaxJsonDepth) {
      Fail("lists and objects are nested more than " + std::to_string(kMaxJsonDepth) + " deep");
    }
  }

  JsonValue ParseObject(int depth) {
    CheckDepth(depth);
    ++pos_;  // '{'
    JsonValue object = JsonValue::Object();
    std::set<std::string, std::less<>> keys;  // a linear search would make many keys quadratic
    SkipSpace();
    if (Consume('}')) return object;
    for (;;) {
      SkipSpace();
      const std::size_t keyStart = pos_;
      if (Peek() != '"') Fail("expected a member name in double quotes, found " + Found());
      std::string key = ParseString();
      if (!keys.insert(key).second) FailAt(keyStart, "the member \"" + key + "\" appears twice");
      SkipSpace();
      Expect(':', "':' after the member name");
      SkipSpace();
      object.Add(std::move(key), ParseValue(depth));
      SkipSpace();
      if (Consume(',')) continue;
      Expect('}', "',' or '}' after the member");
      return object;
    }
  }

  JsonValue ParseArray(int depth) {
    CheckDepth(depth);
    ++pos_;  // '['
    JsonValue array = JsonValue::Array();
    SkipSpace();
    if (Consume(']')) return array;
    for (;;) {
      SkipSpace();
      array.items.push_back(ParseValue(depth));
      SkipSpace();
      if (Consume(',')) continue;
      Expect(']', "',' or ']' after the list element");
      return array;
    }
  }

  JsonValue ParseNumber() {
    const std::size_t start = pos_;
    if (Peek() == '-') ++pos_;
    if (Peek() == '0') {
      ++pos_;
    } else if (Peek() >= '1' && Peek() <= '9') {
      SkipDigits();
    } else {
      Fail("expected a digit, found " + Found());
    }
    if (Peek() == '.') {
      ++pos_;
      if (!IsDigit(Peek())) Fail("expected a digit after the decimal point, found " + Found());
      SkipDigits();
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++pos_;
      if (Peek() == '+' || Peek() == '-') ++pos_;
      if (!IsDigit(Peek())) Fail("expected a digit in the exponent, found " + Found());
      SkipDigits();
    }
    JsonValue number;
    number.type = JsonValue::Type::number;
    number.text = std::string(text_.substr(start, pos_ - start));
    return number;
  }

  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  void SkipDigits() {
    while (IsDigit(Peek())) ++pos_;
  }

  unsigned ParseHex4() {
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = Peek();
      unsigned digit = 0;
      if (c >= '0' && c <= '9') {
        digit = static_cast<unsigned>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        digit = static_cast<unsigned>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        digit = static_cast<unsigned>(c - 'A' + 10);
      } else {
        Fail("expected four hexadecimal digits after \\u, found " + Found());
      }
      value = value * 16 + digit;
      ++pos_;
    }
    return value;
  }

  // The escape after a backslash; pos_ is on the character after it.
  char32_t ParseEscape(std::size_t escapeStart) {
    const char c = Peek();
    ++pos_;
    switch (c) {
      case '"':
        return '"';
      case '\\':
        return '\\';
      case '/':
        return '/';
      case 'b':
        return '\b';
      case 'f':
        return '\f';
      case 'n':
        return '\n';
      case 'r':
        return '\r';
      case 't':
        return '\t';
      case 'u':
        break;
      default:
        FailAt(escapeStart,
               static_cast<unsigned char>(c) > 0x20 && static_cast<unsigned char>(c) < 0x7F
                   ? std::string("unknown escape \\") + c
                   : std::string("unknown escape after a backslash"));
    }
    const unsigned first = ParseHex4();
    if (first >= 0xDC00 && first <= 0xDFFF) {
      FailAt(escapeStart,
             "a low surrogate \\u" + Hex4(first) + " without a high surrogate before it");
    }
    if (first < 0xD800 || first > 0xDBFF) return first;
    // A high surrogate must be followed by the escape of a low one.
    if (text_.substr(pos_, 2) != "\\u") {
      FailAt(escapeStart,
             "a high surrogate \\u" + Hex4(first) + " without a low surrogate after it");
    }
    pos_ += 2;
    const unsigned second = ParseHex4();
    if (second < 0xDC00 || second > 0xDFFF) {
      FailAt(escapeStart,
             "a high surrogate \\u" + Hex4(first) + " without a low surrogate after it");
    }
    return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
  }

  static std::string Hex4(unsigned value) { return CodePointName(value).substr(2); }

  std::string ParseString() {
    ++pos_;  // opening quote
    std::string out;
    for (;;) {
      if (AtEnd()) Fail("the text ends inside a string");
      const auto b = static_cast<unsigned char>(text_[pos_]);
      if (b == '"') {
        ++pos_;
        return out;
      }
      if (b == '\\') {
        const std::size_t escapeStart = pos_;
        ++pos_;
        if (AtEnd()) Fail("the text ends inside a string");
        AppendUtf8(out, ParseEscape(escapeStart));
        continue;
      }
      if (b < 0x20)
        Fail("a control character (" + CodePointName(b) + ") inside a string must be escaped");
      const std::size_t start = pos_;
      if (!DecodeUtf8(text_, pos_)) Fail("a byte that is not UTF-8");
      out.append(text_.substr(start, pos_ - start));
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

JsonValue ParseJson(std::string_view text) { return Parser(text).ParseDocument(); }
