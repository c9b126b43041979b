// The answers to the practice problems of prime factorisation.
#include "factorisation_topics.h"
#include "topic_submenu.h"

void FactorPracticeAnswers() {
  TopicSubmenu("練習問題 　①,②,③解答　　　④終了",
               {
                   kNotBuilt,  // ①
                   kNotBuilt,  // ②
                   kNotBuilt,  // ③
               });
}
