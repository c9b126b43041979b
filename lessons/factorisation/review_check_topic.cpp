// The chapter review "学びをたしかめよう" with its worked answers.
#include "factorisation_topics.h"
#include "topic_submenu.h"

namespace quorrel {

void ReviewCheckTopic() {
  TopicSubmenu("学びをたしかめよう  ①1～6　②7　③8　④9　⑤10　⑥11,12　⑦終了",
               {
                   kNotBuilt,  // ①
                   kNotBuilt,  // ②7
                   kNotBuilt,  // ③8
                   kNotBuilt,  // ④9
                   kNotBuilt,  // ⑤10
                   kNotBuilt,  // ⑥
               });
}

}  // namespace quorrel
