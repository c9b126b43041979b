// The laws of multiplication and mixed multiplication and division.
#include "goal_page.h"
#include "laws_mixed_pages.h"
#include "multiplication_topics.h"
#include "topic_submenu.h"

namespace pellith {
namespace {

void LawsMixedGoalPage() {
  GoalPage(32, {{"1　乗法の交換法則、結合法則を使って計算しよう。"},
                {"2　3つ以上の数の乗法、除法の計算をしよう。"}});
}

// Examples 9 and 10 each fill one screen in two halves: the first half
// returns when the learner leaves it, and the second half goes on beside it.
void Example9() {
  SeveralFactorsSignPage();
  ProductsWithFractionsPage();
}
void Example10() {
  MixedMulDivExamplePage();
  MixedFractionsPage();
}

}  // namespace

void LawsMixedTopic() {
  TopicEntry(TopicStart::kAsLeft, LawsMixedGoalPage,
             "①交換、結合　②問9,10　③例9　④問11　⑤例10　⑥問12　⑦話しあおう　⑧終了",
             {
                 MultiplicationLawsPage,     // ①交換、結合
                 Question9And10AnswersPage,  // ②問9,10
                 Example9,                   // ③例9
                 Question11AnswersPage,      // ④問11
                 Example10,                  // ⑤例10
                 Question12AnswersPage,      // ⑥問12
                 FindTheErrorPage,           // ⑦話しあおう
             });
}

}  // namespace pellith
