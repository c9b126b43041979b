// The bar graph of a week's records with a line at the provisional mean.
#pragma once

namespace quorrel {

// The graph's own inputs, set by its page: `SIZEX` the width of a bar's slot,
// `SIZEY` the height of a grid step, `YTANI` the value of a grid step, `KARI`
// the provisional mean and `CCC4` the bars' colour. A value v stands at
// y = `GY0` - `SIZEY` × (v - `Y_a(0)`) / `YTANI`.
extern float SIZEX, SIZEY, YTANI, KARI, CCC4;

// One bar per day on a grid of horizontal lines, the two axes, the line of
// the provisional mean `KARI` in colour 5, the axis value `Y_a(0)` at the
// origin, the labels `X_sa(1)`.. under the bars, `Y_sa(k)` beside every
// second grid line and the unit `Y_sa(0)` at the top of the vertical axis.
// In: `GGX`, `GGY` (the top of the vertical axis), `YOKO` bars, `TATE` grid
// steps, `SIZEX`, `SIZEY`, `YTANI`, `Y_a(0)`, the bar values above it
// `Y_a(1)`.., `KARI`, `CCC4` (the bars' colour). Leaves the corners `GX0`..
// `GY2`, `CCC1` = 0, `CCC2` = 0, `CCC3` = 1, the text of `Y_a(0)` in
// `Y_sa(20)` and the draw width 5.
void BarGraph();

}  // namespace quorrel
