#pragma once
// A parsed JSON value. Strings hold UTF-8; a number keeps its literal text
// so that nothing is lost before the reader of the value decides what it
// accepts; object members keep their order.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct JsonMember;

struct JsonValue {
  enum class Type { null, boolean, number, string, array, object };

  Type type = Type::null;
  bool boolean = false;
  std::string text;                 // string: its content; number: its literal
  std::vector<JsonValue> items;     // array
  std::vector<JsonMember> members;  // object

  static JsonValue Boolean(bool value);
  static JsonValue Number(std::int64_t value);
  static JsonValue String(std::string utf8);
  static JsonValue Array();
  static JsonValue Object();

  // Object: adds a member at the end. Returns the new member's value.
  JsonValue& Add(std::string key, JsonValue value);
  // Object: the value of a member, or null when there is none.
  const JsonValue* Find(std::string_view key) const;
  // Number: its value when it is a whole number that fits in 64 bits.
  std::optional<std::int64_t> AsInteger() const;
};

struct JsonMember {
  std::string key;
  JsonValue value;
};

// "an object", "a string" ...: what a value is, for messages.
const char* JsonTypeName(JsonValue::Type type);
