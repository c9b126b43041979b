// Torvane's steps number line.
#include "torvane_steps_line.h"

namespace torvane {

void StepsNumberLine() {
  DrawStepsNumberLine(StepsLineEnding::kOriginDotAndZero);
}

}  // namespace torvane
