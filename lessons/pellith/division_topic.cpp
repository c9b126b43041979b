// The rules of division.
#include "division_pages.h"
#include "multiplication_topics.h"
#include "topic_submenu.h"

namespace pellith {

void DivisionTopic() {
  TopicEntry(TopicStart::kAsLeft, DivisionGoalPage,
             "①課題　②除法規則　③ドリル　④問4　⑤例5　⑥問5　⑦終了",
             {
                 DivisionTaskPage,
                 QuotientSignRulesPage,
                 QuotientDrill,
                 Question4AnswersPage,
                 DecimalProductsExample,
                 Question5AnswersPage,
             });
}

}  // namespace pellith
