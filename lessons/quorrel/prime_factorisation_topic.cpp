// Divisors and multiples, primes and prime factorisation.
#include "factorisation_topics.h"
#include "goal_page.h"
#include "prime_factorisation_pages.h"
#include "topic_submenu.h"

namespace quorrel {

void PrimeFactorisationGoal() {
  GoalPage(32, {{"素因数分解できるようになろう。"}});
}

void PrimeFactorisationTopic() {
  TopicEntry(TopicStart::kAsLeft, PrimeFactorisationGoal,
             "①約数と倍数　②素数説明　③素因数分解　④例１　⑤問３　⑥終了",
             {
                 DivisorMultipleDefinitionPage,  // ①約数と倍数
                 PrimesPage,                     // ②素数説明
                 FactorTreePage,                 // ③素因数分解
                 RandomFactorExample,            // ④例１
                 Question3AnswersPage,           // ⑤問３
             });
}

}  // namespace quorrel
