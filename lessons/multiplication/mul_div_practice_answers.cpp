// The answers to the practice problems of multiplication and division.
#include "multiplication_topics.h"
#include "topic_submenu.h"

namespace pellith {

void MulDivPracticeAnswers() {
  TopicSubmenu("練習問題 　①,②,③,④解答　　　⑤終了",
               {
                   kNotBuilt,  // ①
                   kNotBuilt,  // ②
                   kNotBuilt,  // ③
                   kNotBuilt,  // ④
               });
}

}  // namespace pellith
