// A whole program run in the test's own process, on a headless page of its
// own: what a test needs to see that one run leaves nothing behind for the
// next.
#pragma once

#include <string>
#include <vector>

struct InProcessRun {
  int status = -1;  // the program's exit status; -1 when the keys ran out first
  // Every operation the run logged, one line each, as the player's log
  // writes them.
  std::vector<std::string> log;
};

// `program` (by its name) on the key script `keys` with the clock fixed at
// `clock`.
InProcessRun RunInProcess(const std::string& program, const std::string& keys,
                          const std::string& clock = "12:00:00");

// "" when the two runs' logs are the same; else the first operation where
// they part, with both lines.
std::string FirstDifference(const InProcessRun& first, const InProcessRun& second);
