#pragma once
// A base for every class that owns something it must not share (a handle,
// a file, a window, a run's state): copying and assigning are deleted.

class NonCopyable {
 public:
  NonCopyable(const NonCopyable&) = delete;
  NonCopyable& operator=(const NonCopyable&) = delete;

 protected:
  NonCopyable() = default;
  ~NonCopyable() = default;
};
