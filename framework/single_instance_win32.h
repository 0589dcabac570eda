#pragma once
// One program per user session on Windows: the named mutex the first
// start holds for as long as it runs, and WM_COPYDATA to the first start's
// main window, which a later start finds by its window class.

#include <windows.h>

#include <optional>
#include <string>

#include "framework/single_instance.h"
#include "storage/non_copyable.h"

class Win32Instance : public InstancePort, private NonCopyable {
 public:
  Win32Instance(std::string mutexName, std::string windowClass);
  // The mutex is let go when the program ends.
  ~Win32Instance();

  bool TryBecomeFirst() override;
  bool SendToFirst(std::uint32_t tag, std::string_view data) override;
  void Wait(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }

 private:
  std::string mutex_name_;
  std::string window_class_;
  HANDLE mutex_ = nullptr;
  bool owned_ = false;
};

// The name the user logged on with, empty when Windows does not say.
std::string CurrentUserName();

// Lets a later start hand its command line to window even when this
// program runs with higher rights than that start (as administrator).
void AcceptHandOvers(HWND window);

// The hand-over a WM_COPYDATA message carries (its lParam), if it is one.
std::optional<HandOver> ReadHandOver(LPARAM copyData);
