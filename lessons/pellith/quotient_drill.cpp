// ③ドリル: the quotient drill on exact divisions of signed whole numbers:
// the sign of the quotient, its absolute value, the quotient itself, then
// quotients that reduce to fractions.
#include "quotient_drill.h"

#include <cmath>

#include "division_pages.h"
#include "expression_texts.h"
#include "multiplication_globals.h"
#include "shell.h"
#include "sign_abs_result_drill.h"
#include "signed_draws.h"

namespace pellith {

namespace {

// The quotient T(1) and the divisor T(2) are drawn; the dividend is their
// product, "(-12)/(+4)=".
DrillExample SignedQuotientExample() {
  DrawSignedPair();
  T(4) = std::fabs(T(1));
  TablesToTextAndKeyChoice();
  F_s = std::string(T(1) > 0 ? "+" : "-");
  PlusSignTexts(2, 3);
  return {"(" + T_s(3) + ")/(" + T_s(2) + ")=", F_s, T_s(4), "", false};
}

// Never two positive numbers; a negative one in brackets, "12/(-4)=".
DrillExample QuotientResultExample() {
  DrawResultPair();
  BracketNegativeTexts(2, 3);
  return {T_s(3) + "/" + T_s(2) + "=", "", "", T_s(1), T(1) > 0};
}

constexpr SignAbsResultLayout kQuotientDrill{
    .margin = 40,
    .heading_x = 40,
    .question_dx = 120,
    .question_dy = 60,
    .band_tops = {30, 150, 270},
    .band_height = 180,
    .box_border = 3,
    .box_gap = 0,
    .given_gap = 10,
    .sign_gap = 10,
};

}  // namespace

void QuotientDrill() {
  // Every box of the four parts is drawn 5 wide.
  FE_SETDRAWWIDTH(5);
  SignAbsResultDrill(kQuotientDrill,
                     {SignedQuotientExample, SignedQuotientExample, QuotientResultExample});
  FractionQuotientDrill();
}

}  // namespace pellith
