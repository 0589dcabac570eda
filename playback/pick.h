#pragma once
// An item chosen in the pick menu, and what is told about every item slot
// the runner runs.

struct Pick {
  int submenu = 0;
  int item = 0;
  friend bool operator==(const Pick&, const Pick&) = default;
};

// The zvk trace command prints these; the program itself needs none.
class SlotListener {
 public:
  virtual void SlotStarting(Pick slot) = 0;
  virtual void SlotFinished(bool recognised) = 0;

 protected:
  ~SlotListener() = default;
};
