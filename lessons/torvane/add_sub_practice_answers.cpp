// The answers to the practice problems of addition and subtraction, on
// three pages: sums and differences of integers, decimals and fractions
// and longer expressions revealed a step a key; eight and two more shown a
// whole screen at a time; four statements about a positive a and a
// negative b, one a key.
#include "addition_topics.h"
#include "practice_answer_lines.h"
#include "practice_answers.h"
#include "topic_submenu.h"

namespace torvane {

namespace {

void PracticeAnswersPage1() {
  // One reveal step a line, begun by its key; a longer step goes on
  // indented on the next line.
  // clang-format off
  PracticeAnswerLines(
      "1", ProblemPlace::kAfterLabel,
      {
          Screen(30),
          LabelledProblem("(1)", "(+32)-(+47)", 60),
          Key(), Working("=(+32)+(-47)"),
          Key(), Answer("=-15"), LabelledProblem("(2)", "(-14)+(+22)", 50),
          Key(), Answer("=+8"), LabelledProblem("(3)", "(-28)+(-72)", 50),
          Key(), Answer("=-100"), LabelledProblem("(4)", "(+47)-(+32)", 50),
          Key(), Working("=(+47)+(-32)"),
          Key(), Answer("=+15"), Column(440), LabelledProblem("(5)", "(-36)-(-18)", 50),
          Key(), Working("=(-36)+(+18)"),
          Key(), Answer("=-18"), LabelledProblem("(6)", "(-35)+(+35)", 50),
          Key(), Answer("=0"), LabelledProblem("(7)", "(-3.3)+(-4.7)", 50),
          Key(), Working("=-(3.3+4.7)"),
          Key(), Answer("=-8"), LabelledProblem("(8)", "(-3.9)-(-6.4)", 50),
          Key(), Working("=(-3.9)+(+6.4)"),
          Key(), Answer("=+2.5"), Column(840), LabelledProblem("(9)", "(-1.2)-(+1.2)", 0),
          Key(), Working("=(-1.2)+(-1.2)"),
          Key(), Answer("=-2.4"), LabelledProblem("(10)", "(-ﾀ7/9ﾀ)+(-ﾀ5/9ﾀ)", 70),
          Key(), Answer("=-ﾀ12/9ﾀ=-ﾀ4/3ﾀ", 80), LabelledProblem("(11)", "(+ﾀ4/5ﾀ)+(-ﾀ3/2ﾀ)", 70),
          Key(), Working("=(+ﾀ8/10ﾀ)+(-ﾀ15/10ﾀ)", 80),
          Key(), Answer("=-ﾀ7/10ﾀ", 70),
          Key(), Screen(30), LabelledProblem("(12)", "(-ﾀ1/8ﾀ)-(-ﾀ5/6ﾀ)", 80),
          Key(), Working("=(-ﾀ1/8ﾀ)+(+ﾀ5/6ﾀ)", 80),
          Key(), Working("=(-ﾀ3/24ﾀ)+(+ﾀ20/24ﾀ)", 80),
          Key(), Answer("=+ﾀ17/24ﾀ", 80), LabelledProblem("(13)", "(-4)-(+15)-(-9)", 60),
          Key(), Working("=(-4)+(-15)+(+9)"), Working("=(-19)+(+9)"), Answer("=-10"),
                 Column(560), LabelledProblem("(14)", "(+12)+(-3)-(+6)-(-1)", 60),
          Key(), Working("=(+12)+(-3)+(-6)+(+1)"), Working("=(+12)+(+1)+(-3)+(-6)"),
                 Working("=(+13)+(-9)"), Answer("=4"),
      });
  // clang-format on
}

// Each screen shown whole; one key between them.
void PracticeAnswersPage2() {
  // One problem a line, a long one going on indented.
  // clang-format off
  PracticeAnswerLines(
      "2", ProblemPlace::kPastMargin,
      {
          Screen(40),
          LabelledProblem("(1)", "20-(-13)", 60), Working("=20+13"), Answer("=33"),
          LabelledProblem("(2)", "-11+5", 60), Answer("=-6"),
          LabelledProblem("(3)", "-7.8+4.8", 60), Answer("=-3"),
          LabelledProblem("(4)", "-6.3-1.8", 60), Answer("=-8.1"),
          Column(360),
          LabelledProblem("(5)", "ﾀ2/3ﾀ-ﾀ5/6ﾀ", 70), Working("=ﾀ4/6ﾀ-ﾀ5/6ﾀ", 80), Working("=-ﾀ5-4/6ﾀ", 80),
              AnswerAfter("=-ﾀ1/6ﾀ"),
          LabelledProblem("(6)", "-ﾀ5/7ﾀ-(-ﾀ3/4ﾀ)", 80), Working("=-ﾀ5/7ﾀ+ﾀ3/4ﾀ", 80),
              Working("=-ﾀ20/28ﾀ+ﾀ21/28ﾀ", 80), Working("=+ﾀ21-20/28ﾀ", 80),
              AnswerAfter("=ﾀ1/28ﾀ"),
          Column(760),
          LabelledProblem("(7)", "-8+7-9", 0), Working("=7-8-9"), Working("=7-17"), Answer("=-10"),
          LabelledProblem("(8)", "-16-(-14)+8", 60), Working("=-16+14+8"), Working("=-16+22"),
              Answer("=6"),
          Key(),
          Screen(40, 81),
          LabelledProblem("(9)", "24-15-22+13", 60), Working("=24+13-22-15"), Working("=37-37"),
              Answer("=0"),
          LabelledProblem("(10)", "12+(-31)-45-(-31)", 60), Working("=12-31-45+31"),
              Working("=12-45+31-31"), Working("=12-45+0"), Answer("=-33"),
      });
  // clang-format on
}

// Whether each statement about a and b always holds, a positive and b
// negative.
void PracticeAnswersPage3() {
  // One statement answered a key: each key begins a line with the working
  // and verdict it shows and the next statement, going on indented.
  // clang-format off
  PracticeAnswerLines(
      "3", ProblemPlace::kPastMargin,
      {
          Screen(40),
          LabelledProblem("(ｱ)", "a+bは0になる。", 60),
          Key(), Working("a=2,b=-1のとき"), Working("a+b=2-1=1"),
                 Verdict("0にならない場合がある"),
                 LabelledProblem("(ｲ)", "a-bは正の数になる。", 70),
          Key(), Working("bは負の数だから -bは正の数"), Working("a-bは正の数どうしの和 だから"),
                 Verdict("いつでも成り立つ"),
                 Column(640), LabelledProblem("(ｳ)", "a-bは負の数になる。", 0),
          Key(), Working("a-bは正の数どうしの和 だから"), Verdict("成り立たない"),
                 LabelledProblem("(ｴ)", "3+aは3+bより小さくなる。", 60),
          Key(), Working("aは正の数だから"), Working(" 3+aは3より大きい"),
                 Working("bは負の数だから"), Working(" 3+bは3より小さい"), Working("したがって"),
                 Verdict("成り立たない"),
      });
  // clang-format on
}

}  // namespace

void AddSubPracticeAnswers() {
  PracticeAnswersTopic("練習問題  ①,②,③解答　　④終了",
                       {
                           PracticeAnswersPage1,  // ①
                           PracticeAnswersPage2,  // ②
                           PracticeAnswersPage3,  // ③
                       });
}

}  // namespace torvane
