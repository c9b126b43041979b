// The answers to the practice problems of addition and subtraction.
#include "addition_topics.h"
#include "topic_submenu.h"

namespace torvane {

void AddSubPracticeAnswers() {
  TopicSubmenu("練習問題  ①,②,③解答　　④終了",
               {
                   kNotBuilt,  // ①
                   kNotBuilt,  // ②
                   kNotBuilt,  // ③
               });
}

}  // namespace torvane
