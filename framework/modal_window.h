#pragma once
// The modal windows the program has open. Every modal loop it runs (a
// dialog, a message box, a file dialog) holds a ModalWindowScope for as
// long as it runs. While one is open nothing may start that could run a
// command inside the one under way: a click on the tray icon brings the
// open window forward instead, and the program does not end.

class ModalWindowScope {
 public:
  ModalWindowScope();
  ~ModalWindowScope();
  ModalWindowScope(const ModalWindowScope&) = delete;
  ModalWindowScope& operator=(const ModalWindowScope&) = delete;

  // Whether any modal window of the program is open.
  static bool AnyOpen();
};
