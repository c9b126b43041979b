// The working of a mean found from the differences to a provisional mean.
#include "layout_cursor.h"
#include "shell.h"
#include "signed_numbers_use_pages.h"

namespace quorrel {

void ProvisionalMeanWorking(const ProvisionalMeanSteps& steps) {
  WaitAnyKey();
  Say(steps.sum, XI1, YI1 + steps.gap, 0);
  Continue(steps.total, 3);
  WaitAnyKey();
  Say(steps.division, XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue(steps.difference, 3);
  WaitAnyKey();
  // The provisional mean added to the difference stands beside the division.
  Say(steps.addition, XI2 + 30, YI1, 0);
  WaitAnyKey();
  Continue(steps.mean, 5);
}

}  // namespace quorrel
