// The commutative and associative laws of addition, and clever calculation.
#include "addition_laws_pages.h"
#include "addition_topics.h"
#include "goal_page.h"
#include "topic_submenu.h"

namespace torvane {

void AdditionLawsGoalPage() {
  GoalPage(32, {
                   {"①加法の計算法則を考えよう。"},
                   {"②3つ以上の数の加法を工夫して計算しよう。"},
               });
}

void AdditionLawsTopic() {
  TopicEntry(TopicStart::kAsLeft, AdditionLawsGoalPage,
             "①計算法則　②③計算の工夫　④まとめ　⑤問9　⑥終了",
             {
                 AdditionLawsPage,         // ①計算法則
                 SignGroupingPage,         // ②③計算の工夫, the first page
                 ZeroSumPage,              // the second
                 AdditionLawsSummaryPage,  // ④まとめ
                 Question9Answers,         // ⑤問9
             });
}

}  // namespace torvane
