// Sums of signed decimals, worked by the sign rule on the left of the page
// and in a column figure of the absolute values on the right.
#pragma once

#include <string>

namespace torvane {

// The sign rotation of the worked examples: a random start, one step an example.
extern float FMAESU;
// The sign of the sum and the operation on the absolute values.
extern std::string T1_s, T2_s;

// One example in T(1) to T(3) (the addends and the sum), T(11) to T(13)
// (their absolute values) and T_s() (their texts, signed, with a "0" before
// the point of a number below 1), the column digits in F() and F_sa(), and
// T1_s, T2_s. `number` counts the examples of the visit from 1.
void DecimalSumExample(float number);

// The column figure of the absolute values in F_sa(1), F_sa(2) with its result
// row in F_sa(15) to F_sa(17), revealed in five keys; ends with pen width 2.
// For addends of equal sign:
void DecimalColumnFigure();
// For addends of opposite sign: the smaller taken from the larger.
void DecimalColumnDifferenceFigure();

}  // namespace torvane
