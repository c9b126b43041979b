// Worked examples 3 and 4: sums of two signed fractions over different
// denominators, brought to a common denominator, the sign decided, the
// absolute values added or subtracted and the result reduced. Two fixed pairs
// alternate two by two; the signs rotate from a random start.
#include "addition_pages.h"
#include "decimal_sums.h"
#include "example_loop.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"

namespace torvane {

namespace {

struct Fraction {
  float numerator, denominator;
};

struct FractionSumPage {
  const char* title;
  const char* heading;
  const char* first_rule;   // how the common denominator is found
  const char* second_rule;  // how the numerators follow it
  Fraction pairs[2][2];     // two examples of the first pair, then two of the second
  // Whether the sum is reduced on the page (the numbers' texts are made
  // first, and the unreduced sum shown before the reduced one).
  bool reduces;
};

const FractionSumPage kUnlike{"例3　次の計算をしなさい。",          "<分母が異なる場合の計算>",
                              "・分母どうしをかけて分母とする",     "・分子は、反対の分母をかける",
                              {{{5, 3}, {1, 4}}, {{1, 2}, {3, 7}}}, false};
const FractionSumPage kMultiple{"例4　次の計算をしなさい。",
                                "<分母が倍数の場合の計算>",
                                "・大きい方を分母とする",
                                "・小さい方の分子は、倍数をかける",
                                {{{3, 5}, {1, 10}}, {{3, 4}, {1, 12}}},
                                true};

// The signs of the two terms by the pattern P: ++, -+, --, +-.
constexpr float kFirstSign[] = {1, -1, -1, 1};
constexpr float kSecondSign[] = {1, 1, -1, -1};

void DrawFractionExample(const FractionSumPage& page) {
  const float number = NO + 1;
  const auto& pair = page.pairs[Mod(number, 4) < 2 ? 0 : 1];
  T(1) = pair[0].numerator;
  F(1) = pair[0].denominator;
  T(2) = pair[1].numerator;
  F(2) = pair[1].denominator;
  T(11) = T(1) * F(2);
  T(12) = T(2) * F(1);
  FMAESU = FMAESU + 1;
  P = Mod(FMAESU, 4) + 1;
  T(3) = kFirstSign[PbFstInt(P) - 1];
  T(4) = kSecondSign[PbFstInt(P) - 1];
  T(5) = T(3) * T(11) + T(4) * T(12);
  T(6) = T(3) * T(4);
  if (page.reduces) TablesToTextAndKeyChoice();
  for (int i = 3; i <= 5; ++i) T_s(i) = T(i) > 0 ? "+" : "-";

  for (int k = 1; k <= 2; ++k) {
    DS = T(k);
    DB = F(k);
    ReduceFraction();
    X_sa(k) = A3_s;
    F(k) = DB;
    T(k) = DS;
  }
  // The absolute values: added when the signs agree, else the second (the
  // smaller in both pairs) taken from the first.
  DSM1 = T(1);
  DBM1 = F(1);
  DBM2 = F(2);
  DSM2 = T(6) > 0 ? T(2) : -T(2);
  AddFractions();
  X_sa(3) = B3_s;
  X_sa(4) = B4_s;
  X_sa(5) = A5_s;
  X_sa(page.reduces ? 7 : 6) = A4_s;
  if (page.reduces) {
    DS = DS4;
    ReduceFraction();
    if (YAK == 3) {  // already in lowest terms: only the result is shown
      X_sa(8) = X_sa(7);
      X_sa(7) = "";
    } else {
      X_sa(8) = A2_s;
    }
  }
}

void ShowFractionExample(const FractionSumPage& page) {
  ExplanationPage(1760, 1300, 44, 18);
  Say(page.title, 44, YI1, 0);
  Say("(" + T_s(3) + X_sa(1) + ")+(" + T_s(4) + X_sa(2) + ")", XI1 + 88, YI1 + 80, 0);
  const float steps = XI1 + 528;
  PrintAt(page.heading, steps, 78, 5);
  Say("=", XI1 + 44, YI1 + 120, 0);
  WaitAnyKey();
  PrintAt("①通分する", steps, 138, 7);
  PrintAt(page.first_rule, steps, 198, 7);
  PrintAt(page.second_rule, steps, 258, 7);
  WaitAnyKey();
  Continue("(" + T_s(3) + X_sa(3) + ")+(" + T_s(4) + X_sa(4) + ")", 0);
  Say("=", XI1 + 44, YI1 + 120, 0);
  WaitAnyKey();
  PrintAt("②符号を決める", steps, 318, 7);
  WaitAnyKey();
  Continue(T_s(5), 0);
  WaitAnyKey();
  PrintAt("③絶対値を計算する", steps, 378, 7);
  WaitAnyKey();
  Continue("(" + X_sa(5) + ")", 0);
  WaitAnyKey();
  if (page.reduces) {
    PrintAt("④約分できるときは、約分する", steps, 438, 7);
    WaitAnyKey();
    // The unreduced sum in colour 0 when there is one, then the result.
    if (!X_sa(7).empty()) X_sa(7) = "=" + T_s(5) + X_sa(7);
    Say(X_sa(7), XI1 + 44, YI1 + 120, 0);
    Continue("=" + T_s(5) + X_sa(8), 3);
  } else {
    Say("=" + T_s(5) + X_sa(6), XI1 + 44, YI1 + 120, 3);
    WaitAnyKey();
    PrintAt("④約分できるときは、約分する", steps, 438, 7);
  }
}

void FractionSumExamples(const FractionSumPage& page) {
  FMAESU = PnFInt(PaRnd() * 4 + 1);
  RandomExampleLoop([&] { DrawFractionExample(page); }, [&] { ShowFractionExample(page); },
                    LoopEntry::kFreshStart);
}

}  // namespace

void UnlikeDenominatorSums() {
  FractionSumExamples(kUnlike);
}

void MultipleDenominatorSums() {
  FractionSumExamples(kMultiple);
  Say("教科書 問4　をしなさい。", 44, 570, 3);
}

}  // namespace torvane
