// The answers to the practice problems of the signed-number introduction.
#include "introduction_topics.h"
#include "topic_submenu.h"

void OrderingPracticeAnswers() {
  TopicSubmenu("練習問題 ①1,2,3　②4,5　③終了",
               {
                   kNotBuilt,  // ①
                   kNotBuilt,  // ②
               });
}
