// The answers of textbook questions 9 to 12: products of several factors and
// mixed multiplication and division, in two columns.
#include "answer_columns.h"
#include "construct_globals.h"
#include "laws_mixed_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace pellith {
namespace {

// A mixed calculation: the problem, the divisions made multiplications, the
// sign taken out with the factors left after cancelling beside it, and the
// answer `answer_step` below.
WorkedAnswer MixedAnswer(const char* label, float gap, const char* problem, const char* reciprocal,
                         const char* sign, const char* cancelled, float answer_step,
                         const char* answer) {
  return {label,
          gap,
          {Problem(problem), Below(reciprocal, 75), Below(sign, 75), Beside(cancelled, 7),
           Below(answer, answer_step, 5)},
          0};
}

}  // namespace

void Question9And10AnswersPage() {
  TextbookAnswersPage("問9 解答", 40, 30);
  // Question 9 in three parts: two ways to the same product, then why.
  AnswerColumn(40);
  WorkedAnswers(
      {{"", 75, {Problem("{3*(-4)}*(-5)"), Below("=-12*(-5)", 50), Below("=60", 50, 5)}}});
  WaitAnyKey();
  WorkedAnswers({{"", 75, {Problem("3*{(-4)*(-5)}"), Below("=3*20", 50), Below("=60", 50, 5)}}});
  WaitAnyKey();
  WorkedAnswers({{"だから", 50, {Below("両方の結果は等しい。", 50, 3)}, 0}});
  WaitAnyKey();

  AnswerColumn(560);
  Say("問10 解答", XI0, YI1, 3);
  WorkedAnswers({
      {"(1)",
       75,
       {Problem("25*11*(-4)"), Below("=25*(-4)*11", 50), Below("=(-100)*11", 50),
        Below("=-1100", 50, 5)}},
      {"(2)",
       90,
       {Problem("(-2)*12*(-15)"), Below("=(-2)*(-15)*12", 80), Below("=30*12", 80),
        Below("=360", 50, 5)}},
  });
}

void Question11AnswersPage() {
  TextbookAnswersPage("問11 解答", 40, 30);
  AnswerColumns({
      {40,
       {{"(1)",
         75,
         {Problem("(-4)*(-12)*(-5)"), Below("=-(4*12*5)", 50), Below("=-(20*12)", 50),
          Below("=-240", 50, 5)}}}},
      {560,
       {{"(2)",
         50,
         {Problem("(-ﾀ3/5ﾀ)*ﾀ5/6ﾀ*(-3)"), Below("=+(ﾀ3/5ﾀ*ﾀ5/6ﾀ*3)", 80),
          Below("=+(ﾀ3/1ﾀ*ﾀ1/2ﾀ*1)", 80), Below("=ﾀ3/2ﾀ", 80, 5)}}}},
  });
}

void Question12AnswersPage() {
  TextbookAnswersPage("問12 解答", 40, 30);
  AnswerColumns({
      {40,
       {MixedAnswer("(1)", 60, "(-12)*(-5)/3", "=(-12)*(-5)*ﾀ1/3ﾀ", "=+(12*5*ﾀ1/3ﾀ)",
                    "=+(4*5*ﾀ1/1ﾀ)", 60, "=20"),
        MixedAnswer("(2)", 60, "25/(-2)*4", "=25*(-ﾀ1/2ﾀ)*4", "=-(25*ﾀ1/2ﾀ*4)", "=-(25*ﾀ1/1ﾀ*2)",
                    75, "=-50")}},
      // The right column's first label stands on the heading's line.
      {640,
       {MixedAnswer("(3)", 0, "(-ﾀ3/7ﾀ)/2/(-ﾀ3/4ﾀ)", "=(-ﾀ3/7ﾀ)*ﾀ1/2ﾀ*(-ﾀ4/3ﾀ)",
                    "=+(ﾀ3/7ﾀ*ﾀ1/2ﾀ*ﾀ4/3ﾀ)", "=+(ﾀ1/7ﾀ*ﾀ1/1ﾀ*ﾀ2/1ﾀ)", 75, "=ﾀ2/7ﾀ"),
        MixedAnswer("(4)", 60, "(-ﾀ7/2ﾀ)*(-6)/(-ﾀ3/5ﾀ)", "=(-ﾀ7/2ﾀ)*(-6)*(-ﾀ5/3ﾀ)",
                    "=-(ﾀ7/2ﾀ*6*ﾀ5/3ﾀ)", "=-(ﾀ7/1ﾀ*1*ﾀ5/1ﾀ)", 75, "=-35")}},
  });
}

}  // namespace pellith
