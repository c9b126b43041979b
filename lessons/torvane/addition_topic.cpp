// Addition on the number line and its rules.
#include "addition_pages.h"
#include "addition_topics.h"
#include "goal_page.h"
#include "topic_submenu.h"

namespace torvane {

void AdditionGoalPage() {
  GoalPage(32, {{"数直線を使って、正負の数の加法を調べよう。"}, {"※加法…たし算のこと"}});
}

void AdditionTopic() {
  TopicEntry(TopicStart::kClearContentArea, AdditionGoalPage,
             "①数直線で　②計算規則　③練習　④０　⑤0との加法　⑥問1,2　⑦問3　⑧終了",
             {
                 NumberLineAdditionPage,  // ①数直線で
                 AdditionSignRuleTable,   // ②計算規則
                 AdditionDrill,           // ③練習
                 OppositesSumPage,        // ④０
                 AddZeroPage,             // ⑤0との加法
                 AdditionAnswersQ12Page,  // ⑥問1,2
                 AdditionAnswersQ3Page,   // ⑦問3
             });
}

}  // namespace torvane
