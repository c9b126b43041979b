// Item ⑤ of "学びを身につけよう": four statements on primes, divisors and
// multiples judged, one answer a key.
#include "review_pages.h"
#include "shell.h"

namespace quorrel {

void ReviewTrueFalseAnswers() {
  ReviewAnswersPage("学びを身につけよう");
  ReviewNumberCellBesideTitle("5");
  // Each answer: its label at the margin 60 below the line before, its
  // reasoning with the facts in colour 3, its verdict in colour 5; further
  // lines 50 apart at the indent.
  WaitAnyKey();
  AnswerColumn(40);
  WorkedAnswers(
      {{"(ｱ)",
        60,
        {Beside("10以下の素数は", 0), Beside("2,3,5,7の4個", 3), Beside("。積は2*3*5*7=", 0),
         Beside("6*5*7", 3), Below("で、6の倍数だから", 50), Beside(" 正しい", 5)},
        7}});
  WaitAnyKey();
  WorkedAnswers({{"(ｲ)",
                  60,
                  {Beside("36=1*36 36=2*18 36=3*12 36=4*9 36=6*6", 0), Below("36の約数は、", 50),
                   Beside("1,2,3,4,6,9,12,18,36", 3), Below("で、6の倍数は4個だから", 50),
                   Beside(" 正しくない", 5)},
                  7}});
  WaitAnyKey();
  WorkedAnswers({{"(ｳ)",
                  60,
                  {Beside("素数と素数の積の約数は、", 0), Beside("1,素数,素数の積", 3),
                   Below("の3つあるから", 50), Beside(" 正しくない", 5)},
                  7}});
  WaitAnyKey();
  WorkedAnswers({{"(ｴ)", 60, {Beside("252=6*42 252=14*18 だから", 0), Beside(" 正しい", 5)}, 7}});
}

}  // namespace quorrel
