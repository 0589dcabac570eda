#pragma once
// Message boxes in the framework's manner: a text and a type made of the
// button and icon bits below. The caption is always the application's name,
// and a box that names no icon shows the exclamation icon (the Windows side
// adds it). What the user pressed comes back as one of the ID values.

#include <string>

namespace MB {
constexpr unsigned Ok = 0x00;
constexpr unsigned YesNoCancel = 0x03;
constexpr unsigned IconStop = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconExclamation = 0x30;
constexpr unsigned IconInformation = 0x40;
constexpr unsigned IconMask = 0xF0;

constexpr int IdOk = 1;
constexpr int IdCancel = 2;
constexpr int IdYes = 6;
constexpr int IdNo = 7;
}  // namespace MB

class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  virtual int AfxMessageBox(const std::string& text, unsigned type = MB::Ok) = 0;
};
