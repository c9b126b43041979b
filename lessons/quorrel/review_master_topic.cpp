// The chapter review "学びを身につけよう" with its worked answers.
#include "factorisation_topics.h"
#include "review_pages.h"
#include "topic_submenu.h"

namespace quorrel {

void ReviewMasterTopic() {
  TopicSubmenu("学びを身につけよう　①～⑥解答　　　⑦終了",
               {
                   ReviewCalculationAnswers,  // ①
                   TemperatureTableAnswers,   // ②
                   NumberPropertiesAnswers,   // ③
                   MagicSquareAnswers,        // ④
                   ReviewTrueFalseAnswers,    // ⑤
                   ReviewAverageAnswer,       // ⑥
               });
}

}  // namespace quorrel
