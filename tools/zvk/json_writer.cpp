#include "tools/zvk/json_writer.h"

#include <cstdio>

namespace {

bool IsPlain(const JsonValue& v) {
  return v.type != JsonValue::Type::array && v.type != JsonValue::Type::object;
}

bool HoldsOnlyPlainValues(const JsonValue& v) {
  for (const JsonValue& item : v.items) {
    if (!IsPlain(item)) return false;
  }
  for (const JsonMember& m : v.members) {
    if (!IsPlain(m.value)) return false;
  }
  return true;
}

void AppendEscape(std::string& out, unsigned code) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04x", code);
  out += buffer;
}

void Write(std::string& out, const JsonValue& v, int indent);

void WriteOneLine(std::string& out, const JsonValue& v) {
  const bool isArray = v.type == JsonValue::Type::array;
  out += isArray ? '[' : '{';
  const std::size_t count = isArray ? v.items.size() : v.members.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) out += ", ";
    if (isArray) {
      Write(out, v.items[i], 0);
    } else {
      out += JsonQuote(v.members[i].key) + ": ";
      Write(out, v.members[i].value, 0);
    }
  }
  out += isArray ? ']' : '}';
}

void WriteIndented(std::string& out, const JsonValue& v, int indent) {
  const bool isArray = v.type == JsonValue::Type::array;
  const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
  out += isArray ? "[\n" : "{\n";
  const std::size_t count = isArray ? v.items.size() : v.members.size();
  for (std::size_t i = 0; i < count; ++i) {
    out += inner;
    if (isArray) {
      Write(out, v.items[i], indent + 2);
    } else {
      out += JsonQuote(v.members[i].key) + ": ";
      Write(out, v.members[i].value, indent + 2);
    }
    out += i + 1 < count ? ",\n" : "\n";
  }
  out += std::string(static_cast<std::size_t>(indent), ' ');
  out += isArray ? ']' : '}';
}

void Write(std::string& out, const JsonValue& v, int indent) {
  switch (v.type) {
    case JsonValue::Type::null:
      out += "null";
      return;
    case JsonValue::Type::boolean:
      out += v.boolean ? "true" : "false";
      return;
    case JsonValue::Type::number:
      out += v.text;
      return;
    case JsonValue::Type::string:
      out += JsonQuote(v.text);
      return;
    case JsonValue::Type::array:
    case JsonValue::Type::object:
      if (HoldsOnlyPlainValues(v)) {
        WriteOneLine(out, v);
      } else {
        WriteIndented(out, v, indent);
      }
      return;
  }
}

}  // namespace

std::string JsonQuote(const std::string& utf8) {
  std::string out = "\"";
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    switch (b) {
      case '"':
        out += "\\\"";
        continue;
      case '\\':
        out += "\\\\";
        continue;
      case '\b':
        out += "\\b";
        continue;
      case '\f':
        out += "\\f";
        continue;
      case '\n':
        out += "\\n";
        continue;
      case '\r':
        out += "\\r";
        continue;
      case '\t':
        out += "\\t";
        continue;
      default:
        break;
    }
    if (b < 0x20 || b == 0x7F) {
      AppendEscape(out, b);
    } else if (b == 0xC2 && i + 1 < utf8.size() &&
               static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
      // U+0080 .. U+009F, the C1 controls, in their two-byte UTF-8 form.
      AppendEscape(out, static_cast<unsigned char>(utf8[i + 1]));
      ++i;
    } else {
      out += static_cast<char>(b);
    }
  }
  return out + "\"";
}

std::string WriteJson(const JsonValue& value) {
  std::string out;
  Write(out, value, 0);
  out += '\n';
  return out;
}
