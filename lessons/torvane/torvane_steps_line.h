// Torvane's steps number line: the shared line with a colour-7 dot on the origin and "0" under it.
#pragma once

#include "step_move_loop.h"
#include "steps_number_line.h"

namespace torvane {

void StepsNumberLine();

}  // namespace torvane
