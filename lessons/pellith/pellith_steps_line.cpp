// Pellith's steps number line.
#include "pellith_steps_line.h"

namespace pellith {

void StepsNumberLine() {
  DrawStepsNumberLine(StepsLineEnding::kZeroOnly);
}

}  // namespace pellith
