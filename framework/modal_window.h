#pragma once
// The modal windows the program has open. Every modal loop it runs (a
// dialog, a message box, a file dialog) holds a ModalWindowScope for as
// long as it runs. While one is open nothing may start that could run a
// command inside the one under way: a click on the tray icon brings the
// open window forward instead, and the program does not end.

#include "storage/non_copyable.h"

class ModalWindowScope : private NonCopyable {
 public:
  ModalWindowScope();
  ~ModalWindowScope();

  // Whether any modal window of the program is open.
  static bool AnyOpen();
};
