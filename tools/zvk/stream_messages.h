#pragma once
// Message boxes for a command-line tool: the text goes to a stream
// (stderr) as one line, and the box is taken as answered with OK.

#include <ostream>

#include "framework/message_box.h"

class StreamMessages : public MessageBoxPort {
 public:
  explicit StreamMessages(std::ostream& out) : out_(out) {}
  int AfxMessageBox(const std::string& text, unsigned type = MB::Ok) override;

 private:
  std::ostream& out_;
};
