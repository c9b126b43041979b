// The arrow-key exercise on the steps number line.
#pragma once

#include <string>

#include "arrays.h"
#include "program.h"
#include "steps_number_line.h"

// KAI: 1 while the first move of a task is walked, another value for a
// second move. V_sa(1) names the move in the exercise's prompt.
extern float KAI;
extern Array1<std::string, 20> V_sa;

// The prompt "←→キーで" + V_sa(1) + "の移動, ENTERで次へ", the marker X_a(1)
// one unit per arrow key within the line, the figure redrawn after each
// arrow key or Enter (StepArrow when KAI is 1, else `second_redraw`, then
// `line`, the program's own steps number line); returns only on Enter with
// X_a(1) = X_a(3).
void StepMoveLoop(const Action& line, const Action& second_redraw);
