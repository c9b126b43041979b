// The arrow-key exercise on the steps number line.
#pragma once

#include <string>

#include "program.h"
#include "steps_number_line.h"

// The prompt "←→キーで" + `move` + "の移動, ENTERで次へ", the marker X_a(1)
// one unit per arrow key within the line, the figure redrawn after each
// arrow key or Enter: `redraw_move` (StepArrow for the first move of a sum,
// StepArrowSecond or a program's own redraw for a move from a start point),
// then `line`, the program's own steps number line, over it. Returns only on
// Enter with X_a(1) = X_a(3).
void StepMoveLoop(const std::string& move, const Action& redraw_move, const Action& line);
