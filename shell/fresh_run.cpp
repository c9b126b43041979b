// The routines that set variables back at the start of a run, gathered from
// every file that names its variables in a FreshEachRun.
#include "fresh_run.h"

#include <vector>

namespace {

// Built on first use, so that FreshEachRun objects of any file may add to it
// during static initialisation.
std::vector<Action>& RunStartResets() {
  static std::vector<Action> resets;
  return resets;
}

}  // namespace

void AddRunStartReset(Action reset) {
  RunStartResets().push_back(std::move(reset));
}

void StartEveryVariableAfresh() {
  for (const Action& reset : RunStartResets()) reset();
}
