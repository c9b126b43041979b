// Natural numbers, integers and all numbers, and the four operations on them.
#include "goal_page.h"
#include "powers_sets_pages.h"
#include "powers_sets_topics.h"
#include "topic_submenu.h"

namespace vindrel {

void NumberSetsGoalPage() {
  GoalPage(32, {
                   {"自然数、整数、数全体数の範囲で、", 65, 0},
                   {"    いつでもできる加減乗除を調べよう。", 50, 0},
               });
}

void NumberSetsTopic() {
  TopicEntry(TopicStart::kAsLeft, NumberSetsGoalPage, "①P44ひろげよう　②P45ひろげよう　③終了",
             {
                 FourOperationsPage,  // ①P44ひろげよう
                 ClosureTable,        // ②P45ひろげよう
             });
}

}  // namespace vindrel
