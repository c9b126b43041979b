// Absolute value and the order of numbers: the topic's entry, its goal page
// and its submenu.
#include "goal_page.h"
#include "introduction_topics.h"
#include "order_absolute_value_pages.h"
#include "shell.h"
#include "topic_submenu.h"

namespace almeno {

void OrderAbsoluteGoalPage() {
  GoalPage(32, {{"1 絶対値の意味を理解しよう。"}, {"2 数直線を使って、数の大小関係を調べよう。"}});
}

void OrderAbsoluteValueTopic() {
  TopicEntry(TopicStart::kClearContentArea, OrderAbsoluteGoalPage,
             "①絶対値　②問１　③2数大小　④絶対値と大小　⑤問3　⑥３数　⑦終了",
             {
                 AbsoluteValuePage,       // ①絶対値
                 AbsoluteValueAnswers,    // ②問１
                 TwoNumberOrderPage,      // ③2数大小
                 AbsoluteValueOrderPage,  // ④絶対値と大小
                 InequalityAnswers,       // ⑤問3
                 ThreeNumberOrderPage,    // ⑥３数
             });
}

}  // namespace almeno
