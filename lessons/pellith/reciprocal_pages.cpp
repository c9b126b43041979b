// The reciprocal of a number, and division as multiplication by the
// reciprocal: two explanation pages revealed key by key.
#include "construct_globals.h"
#include "reciprocal_fraction_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace pellith {
namespace {

// One worked reciprocal: the label and the reason at once, then the answer.
struct ReciprocalRow {
  const char* label;
  const char* reason;
  const char* answer;
};

}  // namespace

void ReciprocalsPage() {
  // Narrower than the other pages: what stands right of x 1320 stays.
  OpenPage({.width = 1320, .height = 1300, .left = 40, .top = 30});
  Say("問　次の数の逆数を求めなさい。", XI0, YI1, 0);
  // The question line runs on from piece to piece without moving the cursor.
  PrintAt("① ", XI0, 105, 0);
  X_a(1) = XI0;
  Y_a(1) = Y + 80;
  PrintAt("2 ", X, Y, 3);
  PrintAt("② ", X, Y, 0);
  PrintAt("ﾀ1/2ﾀ ", X, Y, 3);
  PrintAt("③ ", X, Y, 0);
  PrintAt("-2 ", X, Y, 3);
  PrintAt("④ ", X, Y, 0);
  PrintAt("ﾀ3/4ﾀ ", X, Y, 3);
  PrintAt("⑤ ", X, Y, 0);
  PrintAt("-ﾀ3/4ﾀ ", X, Y, 3);
  WaitAnyKey();

  Say("<逆数>", 720, 30, 5);
  Say("その数の逆数はかけて1になる数", 720, 80, 7);
  X_a(2) = 720;
  Y_a(2) = YI1;
  WaitAnyKey();

  const ReciprocalRow rows[] = {
      {"① ", "2*ﾀ1/2ﾀ=1 だから ", "ﾀ1/2ﾀ"},
      // The unclosed "ﾀ" is dropped by the printer: the answer shows 2.
      {"② ", "ﾀ1/2ﾀ*2=1 だから ", "2ﾀ"},
      {"③ ", "(-2)*(-ﾀ1/2ﾀ)=1 だから ", "-ﾀ1/2ﾀ"},
      {"④ ", "ﾀ3/4ﾀ*ﾀ4/3ﾀ=1 だから ", "ﾀ4/3ﾀ"},
      {"⑤ ", "(-ﾀ3/4ﾀ)*(-ﾀ4/3ﾀ)=1 だから ", "-ﾀ4/3ﾀ"},
  };
  float row_y = Y_a(1);
  for (const ReciprocalRow& row : rows) {
    Say(row.label, X_a(1), row_y, 3);
    Continue(row.reason, 0);
    WaitAnyKey();
    Continue(row.answer, 5);
    WaitAnyKey();
    row_y = row_y + 80;
  }

  SetMargins({.margin = X_a(2), .top = Y_a(2)});
  Say("整数の逆数…", XI1, YI1 + 80, 3);
  Continue("1をわった数", 5);
  Say("1/(-2)=-ﾀ1/2ﾀ", XI1 + 60, YI1 + 80, 0);
  WaitAnyKey();
  Say("分数の逆数…", XI1, YI1 + 80, 3);
  Say("分母と分子を入れかえた数", XI1, YI1 + 50, 5);
  Say("-ﾀ3/4ﾀ → -ﾀ4/3ﾀ", XI1 + 60, YI1 + 80, 0);
  WaitAnyKey();
  Say("0の逆数はない", XI1, YI1 + 80, 3);
  WaitAnyKey();
  TextbookTaskLine("教科書 問7　をしなさい。", 160, 600);
}

void DivideByReciprocalPage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .indent = 54, .top = 30});
  Say("問 次の計算をしなさい。", XI0, YI1, 0);
  Say("(1)", XI0, YI1 + 75, 3);
  Say("10/(-2)=", XI1 + 27, YI1, 0);
  T(1) = X;
  F(1) = Y;
  Say("(2)", XI0, YI1 + 75, 3);
  Say("10*(-ﾀ1/2ﾀ)=", XI1 + 27, YI1, 0);
  T(2) = X;
  F(2) = Y;
  WaitAnyKey();
  Say("-5", T(1), F(1), 5);
  WaitAnyKey();
  Say("-ﾀ10/2ﾀ=", T(2), F(2), 0);
  Continue("-5", 5);
  WaitAnyKey();
  Say("この結果からわかること", XI0, YI1 + 80, 0);
  WaitAnyKey();
  Say(" 10/(-2)=10*(-ﾀ1/2ﾀ)", XI0, YI1 + 80, 3);
  WaitAnyKey();
  Say("   <除法を乗法に>", XI0, YI1 + 80, 3);
  Say("除法は逆数をかければよい。", XI1, YI1 + 50, 5);
}

}  // namespace pellith
