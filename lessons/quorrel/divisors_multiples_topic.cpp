// Divisors and multiples through prime factorisation.
#include "divisors_multiples_pages.h"
#include "factorisation_topics.h"
#include "goal_page.h"
#include "topic_submenu.h"

namespace quorrel {

void DivisorsMultiplesGoalPage() {
  GoalPage(32, {{"素因数分解を利用して約数や倍数を求めよう。"}});
}

void DivisorsMultiplesTopic() {
  TopicEntry(TopicStart::kAsLeft, DivisorsMultiplesGoalPage, "①約数　②例2　③問４　④問５　⑤終了",
             {
                 RandomDivisorExample,   // ①約数
                 MultiplesOf120Example,  // ②例2
                 TextbookQ4Answers,      // ③問４
                 TextbookQ5Answers,      // ④問５
             });
}

}  // namespace quorrel
