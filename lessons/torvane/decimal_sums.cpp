// Sums of signed decimals: three fixed pairs in a fixed cycle, their signs
// rotating from a random start.
#include "decimal_sums.h"

#include <cmath>
#include <utility>

#include "addition_pages.h"
#include "example_loop.h"
#include "explanation_page.h"
#include "expression_texts.h"
#include "fresh_run.h"
#include "layout_cursor.h"
#include "number_texts.h"
#include "shell.h"

namespace torvane {

float FMAESU = 0;
std::string T1_s, T2_s;
const FreshEachRun kFreshEachRun(FMAESU, T1_s, T2_s);

namespace {

// Whole-number digits of a count of tenths.
void SplitTenths(float count, float& whole, float& tenths) {
  whole = PnFInt(count / 10);
  tenths = count - 10 * whole;
}

void ShowDecimalExample() {
  OpenPage({.width = 1760, .height = 1300, .margin = 44, .top = 18});
  Say("例１　次の計算をしなさい。", 88, YI1, 0);
  Say("(" + T_s(1) + ")+(" + T_s(2) + ")", XI1 + 176, YI1 + 80, 0);
  Say("=", XI1 + 132, YI1 + 80, 0);
  PrintAt("<小数の計算>", XI1 + 44, 378, 7);
  WaitAnyKey();
  PrintAt("①　符号を決める", 88, 438, 7);
  WaitAnyKey();
  Continue(T1_s, 0);
  WaitAnyKey();
  PrintAt("②　絶対値を計算する", 88, 498, 7);
  WaitAnyKey();
  Continue("(" + T_s(11) + T2_s + T_s(12) + ")", 0);
  WaitAnyKey();
  if (T(1) * T(2) > 0) {
    DecimalColumnFigure();
  } else {
    DecimalColumnDifferenceFigure();
  }
  WaitAnyKey();
  Say("=" + T_s(3), XI1 + 132, YI1 + 80, 3);
}

void DrawExample() {
  DecimalSumExample(NO + 1);
}

}  // namespace

void DecimalSumExample(float number) {
  // The pairs as counts of tenths: 4.8 and 5.2 three times in six, 0.8 and
  // 1.5 twice, 4 and 2.6 once.
  const float pair = Mod(number, 6);
  if (pair <= 2) {
    T(1) = 48;
    T(2) = 52;
  } else if (pair <= 4) {
    T(1) = 8;
    T(2) = 15;
  } else {
    T(1) = 40;
    T(2) = 26;
  }
  F(1) = T(1);
  F(2) = T(2);
  FMAESU = FMAESU + 1;
  P = Mod(FMAESU, 4) + 1;
  if (P == 4 || P == 3) T(2) = -T(2);
  if (P == 2 || P == 3) T(1) = -T(1);

  // The sum is taken in whole tenths: the sum of the divided addends would
  // read 0.3999996 for 4.8 and 5.2 of opposite signs.
  const float tenths = T(1) + T(2);
  T(1) = T(1) / 10;
  T(2) = T(2) / 10;
  T(3) = tenths / 10;
  for (int i = 1; i <= 3; ++i) T(10 + i) = std::fabs(T(i));

  if (T(1) * T(2) > 0) {
    SplitTenths(F(1), F(11), F(12));
    SplitTenths(F(2), F(13), F(14));
    F(3) = F(1) + F(2);
    F(15) = PnFInt(F(3) / 100);
    F(16) = PnFInt(F(3) / 10) - 10 * F(15);
    F(17) = F(3) - 100 * F(15) - 10 * F(16);
  } else {
    // The larger first: the smaller is taken from it.
    if (F(1) < F(2)) std::swap(F(1), F(2));
    SplitTenths(F(1), F(11), F(12));
    SplitTenths(F(2), F(13), F(14));
    F(3) = F(1) - F(2);
    SplitTenths(F(3), F(15), F(16));
    F(17) = F(11) - 1;  // the first row's whole part after lending one
  }

  TablesToTextAndKeyChoice();
  for (int i = 1; i <= 3; ++i) {
    T_s(i) = WithLeadingZero(T_s(i));
    T_s(10 + i) = WithLeadingZero(T_s(10 + i));
  }
  PlusSignTexts(1, 3);
  T1_s = T(3) > 0 ? "+" : "-";
  T2_s = T(1) * T(2) > 0 ? "+" : "-";
  if (T(1) * T(2) < 0 && T(11) < T(12)) std::swap(T_s(11), T_s(12));
  F_sa(1) = T_s(11);
  F_sa(2) = T_s(12);
  // No tens digit: its place stays empty.
  if (T(1) * T(2) > 0 && F(15) == 0) F_sa(15) = " ";
}

void DecimalSumExamples() {
  FMAESU = PnFInt(PaRnd() * 4 + 1);
  RandomExampleLoop(DrawExample, ShowDecimalExample, LoopEntry::kFreshStart);
}

}  // namespace torvane
