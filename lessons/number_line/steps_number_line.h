// The steps number line and the arrow of a move on it. Almeno (its step
// tasks and answer pages), Torvane (its sums on the number line) and Pellith
// (its repeated-addition and product figures) draw it from -12 to 12 at 40
// units to one (`kStepsSpan`), each through its own entry (`StepsNumberLine`
// in its namespace) that passes the ending it shows; Quorrel's review draws
// it from -6 to 6 at 60 units to one with unit labels (`ReviewNumberLine`).
// The arrows below and the step-move exercise (step_move_loop.h) count 40
// units to one: they serve the -12 to 12 line only.
//
// Geometry left in the shared tables: X_a(31), X_a(32), X_a(33) the x of the
// low end, 0 and the high end (80, 560, 1040 from -12 to 12; 80, 440, 800
// from -6 to 6), Y_a(31) the axis, Y_a(32) and Y_a(33) the tops of the short
// and long ticks, Y_a(34) the marker level 50 above the axis. The value v
// stands at X_a(32) + 40 v from -12 to 12, at X_a(32) + 60 v from -6 to 6.
// The figure area is (X_a(31) - 60, Y_a(31) - 120) to (X_a(33) + 60,
// Y_a(31) + 90).
#pragma once

#include <string>

#include "globals.h"

// What the line shows after its ticks.
enum class StepsLineEnding {
  kFiveLabels,        // "0", "5", "10", "-5", "-10" under their ticks at 40 to one
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
// (26 on the steps span, 14 on Quorrel's), N and IRO the last tick's (32 and
// 0 on both spans).
void DrawStepsNumberLine(StepsLineEnding ending, LineSpan span = kStepsSpan);

// Erases, in the page colour, the figure area as X_a(31), X_a(33) and
// Y_a(31) now stand: the last line's ends, at the Y_a(31) the page has set
// for its next line. Pages that erase before every line they draw (Almeno's
// step tasks, Torvane's sums) do so before their first one too, where the
// ends are those the figure before left (0 at the start of a run).
void EraseFigureArea();

// The arrow of the current move, after erasing the figure area: from the
// start X_a(2) to the marker X_a(1) at the level Y_a(34), colour 3 to the
// right and 5 to the left, drawn 12 wide, with the distance in units written
// across the middle of its shaft; a colour-7 dot instead when the marker
// stands on the start. Both take no arguments: the step-move exercise calls
// them as its redraw.
// StepArrow: ends in X1, X2, colour in IRO1; with an arrow, the distance text
// in A1_s, the label's last character in A_s, and the globals of ArrowTo and
// DottedArc (page_faces.h).
void StepArrow();
// StepArrowSecond: also a colour-7 start dot at X_a(32) + 40 X_a(22) first;
// ends in X11, X12, colour in IRO; with an arrow, the distance text in
// T_s(5), the label's last character in A_s, and the globals of ArrowTo and
// DottedArc.
void StepArrowSecond();
// The move alone as StepArrowSecond draws it (X11, X12, IRO, A_s and the
// arrow's globals), on the figure as it stands: no erasing, no start dot,
// T_s(5) left alone. For a program's own redraw of a second move that puts
// other marks first.
void StepArrowSecondMove();
