// Subtraction, rewritten as addition.
#include "addition_pages.h"
#include "addition_topics.h"
#include "goal_page.h"
#include "layout_cursor.h"
#include "topic_submenu.h"

namespace torvane {

void SubtractionGoalPage() {
  GoalPage(32, {{"正負の数の減法の計算のしかたを考えよう。"}, {"※減法…ひき算のこと"}});
}

void SubtractionTopic() {
  TopicEntry(TopicStart::kClearContentArea, SubtractionGoalPage,
             "①導入　②加法へ、計算規則　③練習　④０　⑤問5　⑥問6　⑦終了",
             {
                 SubtractionNumberLinePage,  // ①導入
                 SubtractionRulePage,        // ②加法へ、計算規則
                 SubtractionDrill,           // ③練習
                 SubtractionZeroPage,        // ④０
                 SubtractionAnswers5Page,    // ⑤問5
                 SubtractionAnswers6Page,    // ⑥問6
             });
}

}  // namespace torvane
