// The chapter review "学びを身につけよう" with its worked answers.
#include "factorisation_topics.h"
#include "topic_submenu.h"

namespace quorrel {

void ReviewMasterTopic() {
  TopicSubmenu("学びを身につけよう　①～⑥解答　　　⑦終了",
               {
                   kNotBuilt,  // ①
                   kNotBuilt,  // ②
                   kNotBuilt,  // ③
                   kNotBuilt,  // ④
                   kNotBuilt,  // ⑤
                   kNotBuilt,  // ⑥
               });
}

}  // namespace quorrel
