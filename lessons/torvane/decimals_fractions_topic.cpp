// Addition of decimals and fractions.
#include "addition_pages.h"
#include "addition_topics.h"
#include "goal_page.h"
#include "topic_submenu.h"

namespace torvane {

void DecimalsFractionsGoalPage() {
  GoalPage(32, {{"小数や分数の加法を考えよう。"}});
}

void DecimalsFractionsTopic() {
  // Items 2 to 4 share one label in the item line.
  TopicEntry(TopicStart::kClearContentArea, DecimalsFractionsGoalPage,
             "①小数の計算　②～④分数の計算　⑤問4　⑥終了",
             {
                 DecimalSumExamples,           // ①小数の計算
                 EqualDenominatorSums,         // ②
                 UnlikeDenominatorSums,        // ③
                 MultipleDenominatorSums,      // ④
                 DecimalsFractionsAnswersPage  // ⑤問4
             });
}

}  // namespace torvane
