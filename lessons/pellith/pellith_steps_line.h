// Pellith's steps number line: the shared line with "0" alone under the origin: the pages write
// their own values.
#pragma once

#include "step_move_loop.h"
#include "steps_number_line.h"

namespace pellith {

void StepsNumberLine();

}  // namespace pellith
