// Standard error sent to a file of its own for a while: what a library
// writes there (fontconfig's complaints about its configuration, a display
// library's lines about a display it cannot reach) is kept from the
// terminal, so that the program can say what went wrong in one line of its
// own.
#pragma once

class StandardErrorAside {
 public:
  StandardErrorAside();
  // Standard error as it was; what was written meanwhile is dropped, or
  // passed on (see PassOn).
  ~StandardErrorAside();
  StandardErrorAside(const StandardErrorAside&) = delete;
  StandardErrorAside& operator=(const StandardErrorAside&) = delete;

  // Whether anything was written (or could not be kept aside, so that it is
  // not known whether anything was).
  bool Written() const;
  // What was written goes on to standard error once it is restored, as if
  // it had never been kept aside.
  void PassOn() { pass_on_ = true; }

  // Where standard error went before any aside that lives now: where a line
  // meant for the terminal goes meanwhile. Safe in a signal handler.
  static int Terminal();

 private:
  void Restore();
  int saved_ = -1;
  int aside_ = -1;
  bool pass_on_ = false;
  int outer_terminal_ = -1;
};
