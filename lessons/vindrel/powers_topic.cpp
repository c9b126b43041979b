// Powers and their signs.
#include "goal_page.h"
#include "powers_sets_pages.h"
#include "powers_sets_topics.h"
#include "topic_submenu.h"

namespace vindrel {

void PowersGoalPage() {
  GoalPage(32, {{"指数の意味を知り、指数をふくむ計算をしよう。", 65, 0}});
}

void PowersTopic() {
  TopicEntry(TopicStart::kAsLeft, PowersGoalPage, "①指数　②例１　③例２　④問２　⑤説明しよう　⑥終了",
             {
                 ExponentNotationPage,  // ①指数
                 PowerExamplesPage,     // ②例１
                 RandomPowerExample,    // ③例２
                 PowerQ2AnswersPage,    // ④問２
                 PowerSignPatternPage,  // ⑤説明しよう
             });
}

}  // namespace vindrel
