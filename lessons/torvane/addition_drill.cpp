// The addition drill: the sign, the absolute value and the result of random
// sums of two signed one-digit numbers.
#include <cmath>

#include "addition_pages.h"
#include "example_loop.h"
#include "fresh_run.h"
#include "shell.h"
#include "sign_abs_result_drill.h"

namespace torvane {

std::string F_s;
const FreshEachRun kFreshEachRun(F_s);

namespace {

DrillExample SumExample() {
  GenerateSumExample();
  return {"(" + T_s(1) + ")+(" + T_s(2) + ")=", F_s, T_s(4), F_s + T_s(4)};
}

// The three parts stand 160 apart from the top; the boxes have a black
// border, 4 right of the text before them.
constexpr SignAbsResultLayout kAdditionDrill{44, 88, 176, 80, {18, 178, 338}, 240, 0, 4, 0, 4};

}  // namespace

void GenerateSumExample() {
  T(1) = DrawSignedNumber(9, P);
  T(2) = DrawSignedNumber(9, P);
  // Opposite terms would sum to 0: the second is turned to equal the first.
  if (T(1) + T(2) == 0) T(2) = -T(2);
  T(3) = T(1) + T(2);
  T(4) = std::fabs(T(3));
  TablesToTextAndKeyChoice();
  F_s = T(3) > 0 ? "+" : "-";
  if (T(1) > 0) T_s(1).insert(0, "+");
  if (T(2) > 0) T_s(2).insert(0, "+");
}

void AdditionDrill() {
  SignAbsResultDrill(kAdditionDrill, {SumExample, SumExample, SumExample});
}

}  // namespace torvane
