// The answers to the practice problems of prime factorisation: three pages
// of division ladders, each revealed one key at a time.
#include "factorisation_layouts.h"
#include "factorisation_topics.h"
#include "ladder_pages.h"
#include "layout_cursor.h"
#include "practice_answers.h"
#include "shell.h"

namespace quorrel {

namespace {

// Pages 1 and 2 are laid out as every practice-answers page of the program
// (`kPracticeAnswers`); page 3 has a wider title cell at the outer margin.
constexpr PracticeAnswersLayout kCommonDivisorAnswers = kWideTitlePracticeAnswers;

void Header(const PracticeAnswersLayout& layout, const char* title, const char* number) {
  PracticeAnswersPage(layout, title);
  ProblemNumberCellBesideTitle(layout, number);
  SetMargins({.indent = 54});
  WaitAnyKey();
}

// Factorise 378, 420 and 693.
void PracticeFactorLadders() {
  Header(kPracticeAnswers, "練習問題", "1");
  LaddersOnOneLine(XI1, 100, {{378, "2*3^3*7"}, {420, "2^2*3*5*7"}, {693, "3^2*7*11"}});
}

// The smallest number 540 must be divided by to leave a square.
void PracticeSquareDivisor() {
  Header(kPracticeAnswers, "練習問題", "2");
  Say("540 を素因数分解すると", XI0, 100, 0);
  Ladder(540, 840, 50, 0);
  WaitAnyKey();
  Say("540=2^2*3^3*5", XI1, YI1 + 50, 3);
  WaitAnyKey();
  Say("ある数の2乗にするには、素因数分解したとき、", XI0, YI1 + 50, 0);
  Say("すべての素数が2乗になればよい。", XI0, YI1 + 50, 3);
  WaitAnyKey();
  Say("また、できるだけ小さい数でわるから", XI0, YI1 + 50, 0);
  Say("2^2*3^2", XI1, YI1 + 50, 3);
  Continue("となればよい。", 0);
  WaitAnyKey();
  Say("したがって、わる数は ", XI0, YI1 + 50, 0);
  Continue("3*5=", 3);
  Continue("15", 5);
}

// Factorise 336, 770 and 840, one ladder on the screen at a time, and find
// the largest number that divides all three.
void PracticeCommonDivisor() {
  Header(kCommonDivisorAnswers, "練習問題 解答", "3");
  struct Factorisation {
    float number;
    const char* question;
    const char* answer;
  };
  const Factorisation problems[] = {
      {336, "336 を素因数分解すると", "336=2^4*3*7"},
      {770, "770 を素因数分解すると", "770=2*5*7*11"},
      {840, "840 を素因数分解すると", "840=2^3*3*5*7"},
  };
  for (int k = 0; k < 3; ++k) {
    if (k > 0) WaitAnyKey();
    Say(problems[k].question, XI0, k == 0 ? 100 : YI1 + 60, 0);
    if (k > 0) PsBOX_STEP(840, 0, 1760, 1800, 15, 15);
    Ladder(problems[k].number, 840, 50, 0);
    WaitAnyKey();
    Say(problems[k].answer, XI1, YI1 + 50, 3);
  }
  WaitAnyKey();
  Say("2", XI0, YI1 + 60, 3);
  Continue("は3つの数をすべてわり切る。", 0);
  WaitAnyKey();
  Say("7", XI0, YI1 + 60, 3);
  Continue("も3つの数をすべてわり切る。", 0);
  WaitAnyKey();
  Say("一番大きい自然数だから", XI0, YI1 + 50, 0);
  Continue("2*7=", 3);
  Continue("14", 5);
}

}  // namespace

void FactorPracticeAnswers() {
  PracticeAnswersTopic("練習問題 　①,②,③解答　　　④終了",
                       {
                           PracticeFactorLadders,  // ①
                           PracticeSquareDivisor,  // ②
                           PracticeCommonDivisor,  // ③
                       });
}

}  // namespace quorrel
