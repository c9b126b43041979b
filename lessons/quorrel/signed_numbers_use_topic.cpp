// Using signed numbers: averages with a provisional mean.
#include "factorisation_topics.h"
#include "goal_page.h"
#include "page_faces.h"
#include "shell.h"
#include "signed_numbers_use_pages.h"
#include "topic_submenu.h"

namespace quorrel {

void SignedNumbersUseGoal() {
  GoalPage(32, {
                   {"1 平均をくふうして求めよう。"},
                   {"2 身の回りの問題を正負の数を利用して解決しよう。"},
               });
}

void SignedNumbersUseTopic() {
  TopicEntry(TopicStart::kAsLeft, SignedNumbersUseGoal,
             "①P49　②1,2週平均　③問1,2　④問3,4　⑤練習問題　⑥終了",
             {
                 WeekRecordsComparison,  // ①P49
                 WeekMeansExample,       // ②1,2週平均
                 WeekThreeQuestions,     // ③問1,2
                 ClassRecordsQuestions,  // ④問3,4
                 WeekdaySalesAnswer,     // ⑤練習問題
             });
}

void JumpRopeRecords() {
  const float records[3][5] = {{12, 17, 13, 15, 18}, {35, 38, 41, 40, 51}, {44, 42, 57, 50, 52}};
  for (int week = 0; week < 3; ++week) {
    const int base = 10 * week;
    for (int day = 1; day <= 5; ++day) T(base + day) = records[week][day - 1];
    T(base + 6) = 0;
    for (int day = 1; day <= 5; ++day) T(base + 6) = T(base + 6) + T(base + day);
    T(base + 7) = T(base + 6) / 5;
  }
  TablesToTextAndKeyChoice();
}

}  // namespace quorrel
