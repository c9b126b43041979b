// Item ②: 120 factorised on the ladder, then whether 120 is a multiple of
// 3, 6, 15 and 7, each read from the factorisation with the factor split
// off.
#include "construct_globals.h"
#include "divisors_multiples_pages.h"
#include "explanation_page.h"
#include "ladder_pages.h"
#include "layout_cursor.h"
#include "shell.h"
#include "textbook_answers.h"

namespace quorrel {

namespace {

struct MultipleQuestion {
  const char* mark;
  float y;
  const char* divisor;
  const char* factor;
  const char* reason;
  const char* conclusion;
};

}  // namespace

void MultiplesOf120Example() {
  OpenPage({.width = 1320, .height = 1300, .left = 30, .indent = 36 + 27, .top = 30});
  T(5) = 120;
  TablesToTextAndKeyChoice();
  Say("例2", XI0, YI1, 0);
  Say("①", XI0, YI1 + 50, 7);
  Continue(T_s(5), 3);
  Continue(" を素因数分解しなさい。", 0);
  WaitAnyKey();
  WorkedLadder(T(5), 800, YI1);
  Say(T_s(5) + "=2^3*3*5", XI1, YI1 + 50, 3);
  WaitAnyKey();

  const MultipleQuestion questions[] = {
      {"②", 180, "3 ", "3", "*2^3*5 だから", "3の倍数"},
      {"③", 280, "6 ", "2*3", "*2^2*5 だから", "6の倍数"},
      {"④", 380, "15 ", "3*5", "*2^3 だから", "15の倍数"},
      {"⑤", 480, "7 ", "7*…", " と表せないから", "7の倍数ではない"},
  };
  for (const MultipleQuestion& q : questions) {
    Say(q.mark, XI0, q.y, 7);
    Continue("120 は", 0);
    Continue(q.divisor, 3);
    Continue("の倍数ですか?", 0);
    WaitAnyKey();
    Say("120=", XI1, q.y + 50, 0);
    Continue(q.factor, 3);
    Continue(q.reason, 0);
    Continue(q.conclusion, 3);
    WaitAnyKey();
  }
  TextbookTaskLine("教科書 問4　をしなさい。", 44, 580);
}

}  // namespace quorrel
