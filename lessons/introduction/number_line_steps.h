// The steps number line from -12 to 12, the arrow-key exercise that walks a
// marker along it and the arrow with its distance label. The introduction's
// step tasks, the addition pages and the repeated-addition figure all draw
// this one line; each program states its own ending of the line and its own
// redraw of a second move through the two choices below.
//
// Geometry left by StepsNumberLine in the shared tables: X(31), X(32), X(33)
// the x of -12, 0 and 12 (80, 560, 1040), Y(31) the axis, Y(32) and Y(33) the
// tops of the short and long ticks, Y(34) the marker level 50 above the axis.
// One unit is 40: the value v stands at X(32) + 40 v. The figure area is
// (X(31) - 60, Y(31) - 120) to (X(33) + 60, Y(31) + 90).
#pragma once

#include <string>

#include "globals.h"
#include "program.h"

// What the line shows after its ticks.
enum class StepsLineEnding {
  kFiveLabels,        // "0", "5", "10", "-5", "-10" under their ticks
  kOriginDotAndZero,  // a colour-7 dot on the origin, then "0" alone
  kZeroOnly,          // "0" alone: the caller writes its own values
};
// The ending StepsNumberLine draws; the step task sets kFiveLabels.
extern StepsLineEnding STEPS_LINE_ENDING;

// The redraw the key exercise runs after each key when KAI is not 1:
// StepArrowSecond unless a program sets its own.
extern Routine STEP_TWO_REDRAW;

// Working globals of the line, the arrow and the exercise.
extern float IRO, IRO1, KAI, JJ;
// V$(): V$(1) names the move in the exercise's prompt.
extern Array1<std::string, 20> V_sa;

// Draws the line at Y(31) (0 selects 240) with the chosen ending and leaves
// its geometry; ends with draw width 3, CCC1 0, II 26, N 32, IRO 0.
void StepsNumberLine();

// The arrow of the current move, after erasing the figure area: from the
// start X(2) to the marker X(1) at the level Y(34), colour 3 to the right and
// 5 to the left, drawn 12 wide, with the distance in units above its middle;
// a colour-7 dot instead when the marker stands on the start.
// StepArrow: ends in X1, X2, colour in IRO1, distance text in A1$.
void StepArrow();
// StepArrowSecond: also a colour-7 start dot at X(32) + 40 X(22) first;
// ends in X11, X12, colour in IRO, and the distance text in T$(5).
void StepArrowSecond();
// The move alone as StepArrowSecond draws it (X11, X12, IRO, A$), on the
// figure as it stands: no erasing, no start dot, T$(5) left alone. For a
// program's own redraw of a second move that puts other marks first.
void StepArrowSecondMove();

// The arrow-key exercise: the prompt "←→キーで" + V$(1) + "の移動, ENTERで次へ",
// the marker X(1) one unit per arrow key within the line, the figure redrawn
// after each arrow key or Enter (StepArrow when KAI is 1, else
// STEP_TWO_REDRAW, then the line); returns only on Enter with X(1) = X(3).
void StepMoveLoop();

// One task: the number X(2) units right of X(1) (left when X(2) < 0), on the
// line at Y(31). Erases the last figure, draws the line and the start dot,
// runs the exercise to the target and writes the answer under its tick in
// colour 3, 5 or 7 by its sign. Leaves X$(1) to X$(4), X(4) the answer,
// X(22) the start, T$(5) the distance, KAI 2.
void StepTaskSetup();
