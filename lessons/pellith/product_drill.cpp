// ⑤練習: the product drill on two signed one-digit numbers: the sign of the
// product, its absolute value, then the product itself.
#include <cmath>

#include "expression_texts.h"
#include "multiplication_globals.h"
#include "multiplication_pages.h"
#include "shell.h"
#include "sign_abs_result_drill.h"
#include "signed_draws.h"

namespace pellith {

namespace {

// Both factors with their signs, "(-3)*(+5)=".
DrillExample SignedFactorsExample() {
  DrawSignedPair();
  T(4) = std::fabs(T(3));
  TablesToTextAndKeyChoice();
  F_s = std::string(T(3) > 0 ? "+" : "-");
  PlusSignTexts(1, 2);
  return {"(" + T_s(1) + ")*(" + T_s(2) + ")=", F_s, T_s(4), "", false};
}

// Never two positive factors; a negative one in brackets, "4*(-2)=".
DrillExample ResultExample() {
  DrawResultPair();
  BracketNegativeTexts(1, 2);
  return {T_s(1) + "*" + T_s(2) + "=", "", "", T_s(3), T(3) > 0};
}

constexpr SignAbsResultLayout kProductDrill{
    .margin = 44,
    .heading_x = 88,
    .question_dx = 176,
    .question_dy = 80,
    .band_tops = {18, 178, 338},
    .band_height = 240,
    .box_border = 3,
    .box_gap = 0,
    .given_gap = 10,
    .sign_gap = 10,
};

}  // namespace

void ProductDrill() {
  SignAbsResultDrill(kProductDrill, {SignedFactorsExample, SignedFactorsExample, ResultExample});
}

}  // namespace pellith
