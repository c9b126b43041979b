// The one wait of the tests: for a condition, for as long as the test's own
// processes are getting somewhere, and no longer. A wait that gives up says
// what it waited for; the caller then fails. How long the condition took is
// no verdict: on a busy machine a program that makes progress may take any
// time, and only the test's time limit ends it.
#pragma once

#include <time.h>

#include <functional>
#include <string>

// Seconds a wait goes on while the test's processes do next to nothing:
// whatever is waited for comes long before, unless something is stuck.
inline constexpr double kPatience = 60;

// What "next to nothing" is: at most this share of one core's time over the
// patience. A program idle at a key (its cursor blinking) stays under it, as
// the window tests hold the programs to; a program at work takes far more,
// on a machine however busy, short of one where it gets less than that.
inline constexpr double kIdleShare = 0.01;

// Seconds on the monotonic clock, from some fixed point.
inline double MonotonicSeconds() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Checks `done` until it holds, pausing `pause` seconds between checks. It
// gives up once the test's processes have used no more than kIdleShare of a
// core for `patience` seconds on end: true once `done` held; false when it
// never did, after one line on standard error that says it gave up waiting
// for `what`.
//
// The test's processes are every descendant of the process the environment
// variable WAIT_TREE_ROOT names, when that is this process or one of its
// ancestors (the window tests' scripts name themselves), else of this
// process: processes it started and those they started, those that ended
// counted through the parent that waited for them. Left out are this
// process and its ancestors up to that root, which run the checks, and the
// processes WAIT_TREE_ASIDE names (process numbers, blank-separated): the X
// server, which the checks themselves keep busy. A process the test stopped,
// or one that sleeps on purpose (a holder of a lock), uses no processor time:
// a wait for it alone gives up. The processes are looked at about once a
// second, not at every check.
bool WaitUntil(const std::string& what, const std::function<bool()>& done, double pause = 0.001,
               double patience = kPatience);
