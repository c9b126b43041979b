// The one wait of the tests: for a condition, as long as only something
// stuck would take, and no longer. A wait that gives up says what it waited
// for; the caller then fails. How long the condition took is no verdict.
#pragma once

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

// Seconds a wait lasts at most: whatever is waited for comes far sooner on
// a machine however busy, unless it is stuck.
inline constexpr double kPatience = 60;

// Seconds on the monotonic clock, from some fixed point.
inline double MonotonicSeconds() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Checks `done` until it holds, pausing `pause` seconds between checks, for
// at most `patience` seconds of the monotonic clock (a slow check, or pauses
// stretched by a busy machine, do not make it wait longer). True once `done`
// held; false when it never did, after one line on standard error that says
// it gave up waiting for `what`.
inline bool WaitUntil(const std::string& what, const std::function<bool()>& done,
                      double pause = 0.001, double patience = kPatience) {
  const double until = MonotonicSeconds() + patience;
  for (;;) {
    if (done()) return true;
    if (MonotonicSeconds() >= until) break;
    usleep(useconds_t(pause * 1e6));
  }
  // One more look: the condition may have come during the last pause.
  if (done()) return true;
  std::fprintf(stderr, "gave up after %g s waiting for %s\n", patience, what.c_str());
  return false;
}
