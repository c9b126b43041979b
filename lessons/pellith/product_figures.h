// The number-line figures of the multiplication pages: a product shown as
// repeated additions, as a pattern of products one row at a time, and as a
// number followed by its opposite added again and again.
//
// Each is drawn on Pellith's steps number line (StepsNumberLine, "0" alone
// under the axis), drawn first at Y_a(31); the values of a figure are written under the
// axis, centred on their points. A value right of the origin is drawn in
// colour 3, one left of it in colour 5. A value on the origin is colour 5 in
// the arrow figures, which draw a colour-7 dot there in place of an arrow,
// and colour 3 in a pattern.
#pragma once

namespace pellith {

// T(2) arrows from 0 to T(1), 2 T(1), ... T(2) T(1), each with its value
// under its end and a key wait after it; draw width 12 afterwards.
void RepeatedAdditionArrows();
// The arrow from 0 to T(1) with its value, then ABS(T(2)) arrows to
// -T(1), -2 T(1), ..., each with its value and a key wait after it.
void OppositeAdditionArrows();
// One row of a pattern: the product F(1) T(1) written under its point and,
// except on the first row (T(1) = 3) and where both products are one point,
// a dotted arc in colour 3 above the axis from the product of the row
// before, F(1) (T(1) + 1). No arrow and no key wait.
void ProductPatternStep();

}  // namespace pellith
