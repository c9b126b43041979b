// Items ③ and ④: the answers of textbook questions 4 and 5.
#include "construct_globals.h"
#include "divisors_multiples_pages.h"
#include "figure_globals.h"
#include "ladder_pages.h"
#include "layout_cursor.h"
#include "shell.h"
#include "textbook_answers.h"

namespace quorrel {

namespace {

// The answer pages of the topic: blanked to 1320 x 1300, the heading in
// colour 7 at the margin 30; the answer lines are indented to 93.
void AnswersOf(const char* heading) {
  OpenPage({.width = 1320, .height = 1300, .left = 30, .margin = 93, .top = 30});
  Say(heading, XI0, YI1, 7);
}

}  // namespace

void TextbookQ4Answers() {
  AnswersOf("問4 解答");
  // Each answer names the textbook's number by its mark and shows it as a
  // product with the factor 2×3 or 2×7.
  Say("6の倍数…", XI0, YI1 + 70, 7);
  WaitAnyKey();
  Continue("(ｳ)", 3);
  Continue("2*3*2^2*7  ", 0);
  WaitAnyKey();
  Continue("(ｴ)", 3);
  Continue("2*3*3*13  ", 0);
  Say("14の倍数…", XI0, YI1 + 70, 7);
  WaitAnyKey();
  XI3 = XI2;
  Continue("(ｱ)", 3);
  Continue("2*7*2^3  ", 0);
  WaitAnyKey();
  Continue("(ｳ)", 3);
  Continue("2*7*2^2*3  ", 0);
  WaitAnyKey();
  Say("(ｵ)", XI3, YI1 + 60, 3);
  Continue("2*7*5  ", 0);
  WaitAnyKey();
  TextbookTaskLine("教科書 問5　をしなさい。", 44, YI1 + 50);
}

void TextbookQ5Answers() {
  AnswersOf("問5 解答");
  Say("154 を素因数分解すると", XI0, YI1 + 70, 0);
  T(5) = 154;
  TablesToTextAndKeyChoice();
  WaitAnyKey();
  WorkedLadder(T(5), 800, YI1);
  Say(T_s(5) + "=2*7*11", XI1, YI1 + 50, 3);
  WaitAnyKey();
  Say("12=2^2*3 だから ", XI0, YI1 + 50, 0);
  Say("12の倍数は", XI1, YI1 + 50, 0);
  Continue("2^2*3*…  ", 3);
  Continue("となる。", 0);
  WaitAnyKey();
  Say("また、できるだけ小さい自然数をかけるから", XI0, YI1 + 50, 0);
  Say("2^2*3*7*11", XI1, YI1 + 50, 3);
  Continue("となればよい。", 0);
  WaitAnyKey();
  Say("したがって、かける数は ", XI0, YI1 + 50, 0);
  Continue("2*3=", 3);
  Continue("6", 5);
}

}  // namespace quorrel
