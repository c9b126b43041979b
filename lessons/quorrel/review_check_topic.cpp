// The chapter review "学びをたしかめよう" with its worked answers.
#include "factorisation_topics.h"
#include "review_pages.h"
#include "topic_submenu.h"

namespace quorrel {

void ReviewCheckTopic() {
  TopicSubmenu("学びをたしかめよう  ①1～6　②7　③8　④9　⑤10　⑥11,12　⑦終了",
               {
                   ReviewCheckAnswers1to6,    // ①1～6
                   ReviewCheckAnswers7,       // ②7
                   ReviewCheckAnswers8,       // ③8
                   ReviewCheckAnswers9,       // ④9
                   ReviewCheckAnswers10,      // ⑤10
                   ReviewCheckAnswers11to12,  // ⑥11,12
               });
}

}  // namespace quorrel
