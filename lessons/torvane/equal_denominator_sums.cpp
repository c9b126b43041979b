// Worked example 2: a sum of two fractions with one denominator, the sign
// first, then the numerators, then the reduction shown as a cancelling.
#include "addition_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"

namespace torvane {

void EqualDenominatorSums() {
  ExplanationPage(1760, 1300, 44, 18);
  Say("例2　次の計算をしなさい。", 44, YI1, 0);
  Say("(+ﾀ3/8ﾀ)+(-ﾀ5/8ﾀ)", XI1 + 88, YI1 + 80, 0);
  Say("=", XI1 + 44, YI1 + 120, 0);
  // The steps stand in a column on the right.
  const float steps = XI1 + 484;
  PrintAt("<分母が同じ場合の計算>", steps, 78, 5);
  WaitAnyKey();
  PrintAt("①　符号を決める", steps, 138, 7);
  WaitAnyKey();
  Continue("-", 0);
  WaitAnyKey();
  PrintAt("②　絶対値を計算する", steps, 198, 7);
  WaitAnyKey();
  Continue("(ﾀ5/8ﾀ-ﾀ3/8ﾀ)", 0);
  WaitAnyKey();
  PrintAt(" 　分子どうしを計算する", steps, 258, 7);
  WaitAnyKey();
  Say("=-ﾀ2/8ﾀ", XI1 + 44, YI1 + 120, 0);
  WaitAnyKey();
  PrintAt("③　約分できるときは、約分する", steps, 318, 7);
  WaitAnyKey();
  // Two full-width slashes strike the 2 and the 8 through; 1 and 4 beside.
  Say("ﾀ／/／ﾀ", XI1 + 96, YI1, 3);
  WaitAnyKey();
  PrintAt("4", XI2, YI1 + 40, 3);
  WaitAnyKey();
  PrintAt("1", XI2, YI1 - 30, 3);
  WaitAnyKey();
  Say("=-ﾀ1/4ﾀ", XI1 + 44, YI1 + 120, 3);
}

}  // namespace torvane
