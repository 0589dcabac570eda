#pragma once
// The watch on the user's stop key: a low-level keyboard hook on a thread
// of its own, installed when a run starts and removed when it ends. Every
// key is passed on unchanged; the hook only tells the run's control what
// it saw, with the system's mark of keys that a program sent.
//
// Only while a run goes on: the program has no business with the user's
// keys at any other time, and while the hook is in place every key on the
// desktop waits for it.
//
// Its own thread, because the system waits for a low-level hook's answer
// before any key goes on, playback's own keys included: a hook on the
// thread that types would hold up every key while playback types a long
// text without pausing, and a hook that answers too slowly is removed by
// the system without notice.

#include <thread>

#include "playback/ports.h"
#include "storage/non_copyable.h"

class Win32StopKeyHook : public StopKeyWatch, private NonCopyable {
 public:
  Win32StopKeyHook() = default;
  ~Win32StopKeyHook() { Stop(); }

  // Returns once the hook is in place (or could not be installed: the run
  // then goes on without a stop key).
  void Start(RunControl& control) override;
  void Stop() override;

 private:
  std::thread thread_;
  unsigned long thread_id_ = 0;
};
