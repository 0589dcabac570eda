#pragma once
// Message boxes in the framework's manner: a text and a type made of the
// button and icon bits below. The caption is always the application's name,
// and a box that names no icon shows the exclamation icon (the Windows side
// adds it). What the user pressed comes back as one of the ID values.

#include <string>

namespace MB {
constexpr unsigned kOk = 0x00;
constexpr unsigned kYesNoCancel = 0x03;
constexpr unsigned kYesNo = 0x04;
constexpr unsigned kIconStop = 0x10;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconExclamation = 0x30;
constexpr unsigned kIconInformation = 0x40;
constexpr unsigned kIconMask = 0xF0;

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
}  // namespace MB

class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  virtual int AfxMessageBox(const std::string& text, unsigned type = MB::kOk) = 0;
};
