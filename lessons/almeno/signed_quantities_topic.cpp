// Quantities expressed with signed numbers: heights, income, years, differences from a base.
#include "goal_page.h"
#include "introduction_topics.h"
#include "signed_quantities_pages.h"
#include "topic_submenu.h"

namespace almeno {

void SignedQuantitiesGoalPage() {
  GoalPage(32, {
                   {"次の①,②を正の数、負の数を使って表そう。", 65, 0},
                   {"① 反対の性質をもつ量", 60, 0},
                   {"② 基準からの増減や過不足", 60, 0},
               });
}

void SignedQuantitiesTopic() {
  TopicEntry(TopicStart::kClearContentArea, SignedQuantitiesGoalPage,
             "①標高　②収入　③年後前　④基準との違い　⑤問3　⑥言い換え　⑦問4　⑧終了",
             {
                 SeaLevelPage,             // ①標高
                 IncomeExpensePage,        // ②収入
                 YearsBeforeAfterPage,     // ③年後前
                 ReferenceDifferencePage,  // ④基準との違い
                 LibraryLoansAnswers,      // ⑤問3
                 RewordingPage,            // ⑥言い換え
                 RewordingAnswers,         // ⑦問4
             });
}

}  // namespace almeno
