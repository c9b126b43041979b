// The answers to the practice problems of multiplication and division.
#include "mul_div_practice_pages.h"
#include "multiplication_topics.h"
#include "practice_answers.h"

namespace pellith {

void MulDivPracticeAnswers() {
  PracticeAnswersTopic("練習問題 　①,②,③,④解答　　　⑤終了",
                       {
                           MulDivPracticePage1,  // ①
                           MulDivPracticePage2,  // ②
                           MulDivPracticePage3,  // ③
                           MulDivPracticePage4,  // ④
                       });
}

}  // namespace pellith
