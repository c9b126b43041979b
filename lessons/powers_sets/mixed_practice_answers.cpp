// The answers to the practice problems of powers and the four operations.
#include "powers_sets_topics.h"
#include "topic_submenu.h"

namespace vindrel {

void MixedPracticeAnswers() {
  TopicSubmenu("練習問題 　①,②,③解答　　　④終了",
               {
                   kNotBuilt,  // ①
                   kNotBuilt,  // ②
                   kNotBuilt,  // ③
               });
}

}  // namespace vindrel
