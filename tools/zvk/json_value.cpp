#include "tools/zvk/json_value.h"

#include <array>
#include <charconv>

JsonValue JsonValue::Boolean(bool value) {
  JsonValue v;
  v.type = Type::boolean;
  v.boolean = value;
  return v;
}

JsonValue JsonValue::Number(std::int64_t value) {
  JsonValue v;
  v.type = Type::number;
  v.text = std::to_string(value);
  return v;
}

JsonValue JsonValue::String(std::string utf8) {
  JsonValue v;
  v.type = Type::string;
  v.text = std::move(utf8);
  return v;
}

JsonValue JsonValue::Array() {
  JsonValue v;
  v.type = Type::array;
  return v;
}

JsonValue JsonValue::Object() {
  JsonValue v;
  v.type = Type::object;
  return v;
}

JsonValue& JsonValue::Add(std::string key, JsonValue value) {
  members.push_back(JsonMember{std::move(key), std::move(value)});
  return members.back().value;
}

const JsonValue* JsonValue::Find(std::string_view key) const {
  for (const JsonMember& m : members) {
    if (m.key == key) return &m.value;
  }
  return nullptr;
}

std::optional<std::int64_t> JsonValue::AsInteger() const {
  if (type != Type::number) return std::nullopt;
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  // A fraction or an exponent leaves characters over: not a whole number
  // as far as the macro file is concerned, even "1.0".
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

const char* JsonTypeName(JsonValue::Type type) {
  // In the order of JsonValue::Type.
  static constexpr std::array<const char*, 6> kNames = {"null",     "true or false", "a number",
                                                        "a string", "a list",        "an object"};
  const auto index = static_cast<std::size_t>(type);
  return index < kNames.size() ? kNames[index] : "a value";
}
