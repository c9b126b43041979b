// Almeno's steps number line and the step task walked on it.
#pragma once

#include "step_move_loop.h"
#include "steps_number_line.h"

namespace almeno {

// The steps number line with its five labels "0", "5", "10", "-5", "-10".
void StepsNumberLine();

// One task: the number X_a(2) units right of X_a(1) (left when X_a(2) < 0),
// on the line at Y_a(31). Erases the last figure, draws the line and the
// start dot, runs the exercise to the target and writes the answer under its
// tick in colour 3, 5 or 7 by its sign. Leaves X_sa(1) to X_sa(4), X_a(4) the
// answer, X_a(22) the start, T_s(5) the distance.
void StepTaskSetup();

}  // namespace almeno
