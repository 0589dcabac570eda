#include "tools/zvk/stream_messages.h"

int StreamMessages::AfxMessageBox(const std::string& text, unsigned /*type*/) {
  out_ << text << std::endl;
  return MB::IdOk;
}
