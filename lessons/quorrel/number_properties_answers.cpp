// Item ③ of "学びを身につけよう": which numbers of a given list are integers,
// the largest, the smallest integer, the smallest in absolute value, those
// with a negative cube and the primes; the whole page at once.
#include "review_pages.h"

namespace quorrel {

void NumberPropertiesAnswers() {
  ReviewAnswersPage("学びを身につけよう");
  ReviewNumberCellBesideTitle("3");
  // The answer stands 54 under its question, or 70 under a reasoning line
  // with a fraction in it.
  AnswerColumns({
      {40,
       {
           {"(1)", 60, {Beside("整数", 0), Below("21,-14,13,5", 54, 5)}},
           {"(2)", 60, {Beside("もっとも大きい数", 0), Below("24.2", 54, 5)}},
           {"(3)", 60, {Beside("もっとも小さい整数", 0), Below("-14", 54, 5)}},
           {"(4)",
            60,
            {Beside("絶対値がもっとも小さい数", 0), Below("-ﾀ1/100ﾀ=-0.01 だから", 54, 7),
             Below("-ﾀ1/100ﾀ", 70, 5)}},
       }},
      {600,
       {
           {"(5)",
            60,
            {Beside("3乗すると負の数になる数", 0), Below("負の数全部", 54, 7),
             Below("-0.2,-14,-16.2,-ﾀ1/100ﾀ", 54, 5)}},
           {"(6)", 60, {Beside("素数", 0), Below("13,5", 54, 5)}},
       }},
  });
}

}  // namespace quorrel
