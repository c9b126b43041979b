// The steps number line from -12 to 12 and the arrow of a move on it. The
// introduction's step tasks, the addition pages and the repeated-addition
// figure all draw this one line; each program names its own entry
// (`StepsNumberLine` in its namespace) that passes the ending it shows.
//
// Geometry left in the shared tables: X_a(31), X_a(32), X_a(33) the x of
// -12, 0 and 12 (80, 560, 1040), Y_a(31) the axis, Y_a(32) and Y_a(33) the
// tops of the short and long ticks, Y_a(34) the marker level 50 above the
// axis. One unit is 40: the value v stands at X_a(32) + 40 v. The figure area
// is (X_a(31) - 60, Y_a(31) - 120) to (X_a(33) + 60, Y_a(31) + 90).
#pragma once

#include <string>

#include "globals.h"

// What the line shows after its ticks.
enum class StepsLineEnding {
  kFiveLabels,        // "0", "5", "10", "-5", "-10" under their ticks
  kOriginDotAndZero,  // a colour-7 dot on the origin, then "0" alone
  kZeroOnly,          // "0" alone: the caller writes its own values
  kUnitLabels,        // "0", "-1" and "1" under their ticks
};

// The values at the ends of the line, which stand at X_a(31) = 80 and
// X_a(33), and the units of the page to one.
struct LineSpan {
  float low, high, unit;
};
inline constexpr LineSpan kStepsSpan{-12, 12, 40};

// Colours the line and the arrows below leave; none of them reads either,
// so pages also set them for colours of their own just before they draw with
// them (Torvane's sum points, Almeno's time line, Pellith's product figures).
// IRO: DrawStepsNumberLine leaves its last tick's colour there (0 on the
// steps span), StepArrowSecond and StepArrowSecondMove the colour of their
// move. IRO1: StepArrow leaves the colour of its move. A move's colour is 3
// to the right and 5 to the left or on the start.
extern float IRO, IRO1;

// Draws the line at Y_a(31) (0 selects 240) with the given ending and leaves
// its geometry; ends with draw width 3, CCC1 0, II one past the last tick
// (26 on the steps span), N 32, IRO 0.
void DrawStepsNumberLine(StepsLineEnding ending, LineSpan span = kStepsSpan);

// Erases the figure area of the line drawn last, in the page colour. Before
// the first line of a run its ends are 0, and only the already white left
// edge of the page is covered.
void EraseFigureArea();

// The arrow of the current move, after erasing the figure area: from the
// start X_a(2) to the marker X_a(1) at the level Y_a(34), colour 3 to the
// right and 5 to the left, drawn 12 wide, with the distance in units above
// its middle; a colour-7 dot instead when the marker stands on the start.
// Both take no arguments: the step-move exercise calls them as its redraw.
// StepArrow: ends in X1, X2, colour in IRO1; with an arrow, the distance text
// in A1_s and A_s, and the globals of ArrowTo and DottedArc (page_faces.h).
void StepArrow();
// StepArrowSecond: also a colour-7 start dot at X_a(32) + 40 X_a(22) first;
// ends in X11, X12, colour in IRO; with an arrow, the distance text in A_s
// and T_s(5), and the globals of ArrowTo and DottedArc.
void StepArrowSecond();
// The move alone as StepArrowSecond draws it (X11, X12, IRO, A_s and the
// arrow's globals), on the figure as it stands: no erasing, no start dot,
// T_s(5) left alone. For a program's own redraw of a second move that puts
// other marks first.
void StepArrowSecondMove();
