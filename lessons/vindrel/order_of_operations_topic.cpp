// Expressions with the four operations and brackets; the distributive law.
#include "goal_page.h"
#include "powers_sets_pages.h"
#include "powers_sets_topics.h"
#include "topic_submenu.h"

namespace vindrel {

void OrderOfOperationsGoalPage() {
  GoalPage(32, {
                   {"1　四則(加減乗除)の混じった計算をしよう。", 65, 0},
                   {"2　分配法則を利用した計算をしよう。", 65, 0},
               });
}

void OrderOfOperationsTopic() {
  TopicEntry(TopicStart::kAsLeft, OrderOfOperationsGoalPage,
             "①例3　②問3　③例4　④問4　⑤分配　⑥問5　⑦説明しよう　⑧終了",
             {
                 RandomMixedExample,              // ①例3
                 OperationsQuestion3AnswersPage,  // ②問3
                 RandomBracketExample,            // ③例4
                 OperationsQuestion4AnswersPage,  // ④問4
                 AreaDistributiveFigure,          // ⑤分配
                 DistributiveLettersPage,         // ⑥問5
                 MethodComparisonPage,            // ⑦説明しよう
             });
}

}  // namespace vindrel
