#pragma once
// Something that takes routed commands: true when it handled the id.

class CCmdTarget {
 public:
  virtual bool OnCmdMsg(int id) = 0;

 protected:
  ~CCmdTarget() = default;
};
