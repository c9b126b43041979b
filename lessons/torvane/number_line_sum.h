// A sum of two signed whole numbers built on the steps number line: the
// learner walks the marker from 0 to the first term, then by the second term
// to the sum, Enter counting only on each target.
#pragma once

namespace torvane {

// In T(1), T(2) the two terms (the first term and the sum within -12 to 12)
// and Y_a(31) the axis; positive numbers are written without "+" when
// `unsigned_positives`, with it otherwise. Leaves T(3) the sum and T_s(3) its
// text as written under the line, T_s(1), T_s(2), X_sa(1) to X_sa(3), T(4) to
// T(6) the x of the terms and the sum; the figure with the first term's
// point, the second move's arrow and the sum's point stays on the page.
void NumberLineSum(bool unsigned_positives);

// The redraw of the second move after each key: the first term's point and
// label, then the arrow from it to the marker (or the colour-7 dot).
void SecondStepArrow();

}  // namespace torvane
