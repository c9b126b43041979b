// Divisors and multiples through prime factorisation.
#include "factorisation_topics.h"
#include "topic_submenu.h"

namespace quorrel {

void DivisorsMultiplesTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt, "①約数　②例2　③問４　④問５　⑤終了",
             {
                 kNotBuilt,  // ①約数
                 kNotBuilt,  // ②例2
                 kNotBuilt,  // ③問４
                 kNotBuilt,  // ④問５
             });
}

}  // namespace quorrel
