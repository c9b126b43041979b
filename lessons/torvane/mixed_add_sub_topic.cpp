// Mixed addition and subtraction.
#include "addition_topics.h"
#include "goal_page.h"
#include "mixed_add_sub_pages.h"
#include "topic_submenu.h"

namespace torvane {

void MixedAddSubGoalPage() {
  GoalPage(32, {
                   {"①加法と減法の混じった式の計算ができるようになろう。"},
                   {"②かっこのない式の計算を考えよう。"},
               });
}

void MixedAddSubTopic() {
  TopicEntry(TopicStart::kAsLeft, MixedAddSubGoalPage,
             "①()のない式への変形　②計算　③例７　④問１０　⑤終了",
             {
                 RewriteWithoutBrackets,  // ①()のない式への変形
                 MixedCalculationDrill,   // ②計算
                 MixedWorkedExample,      // ③例７
                 Question10Answers,       // ④問１０
             });
}

}  // namespace torvane
