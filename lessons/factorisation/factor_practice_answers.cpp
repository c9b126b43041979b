// The answers to the practice problems of prime factorisation.
#include "factorisation_topics.h"
#include "topic_submenu.h"

namespace quorrel {

void FactorPracticeAnswers() {
  TopicSubmenu("練習問題 　①,②,③解答　　　④終了",
               {
                   kNotBuilt,  // ①
                   kNotBuilt,  // ②
                   kNotBuilt,  // ③
               });
}

}  // namespace quorrel
