// Divisors and multiples, primes and prime factorisation.
#include "factorisation_topics.h"
#include "topic_submenu.h"

namespace quorrel {

void PrimeFactorisationTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①約数と倍数　②素数説明　③素因数分解　④例１　⑤問３　⑥終了",
             {
                 kNotBuilt,  // ①約数と倍数
                 kNotBuilt,  // ②素数説明
                 kNotBuilt,  // ③素因数分解
                 kNotBuilt,  // ④例１
                 kNotBuilt,  // ⑤問３
             });
}

}  // namespace quorrel
