// Reciprocals, division as multiplication, products and quotients of fractions.
#include "multiplication_topics.h"
#include "topic_submenu.h"

namespace pellith {

void ReciprocalFractionTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①例6　②問6　③逆数　④問7　⑤説明　⑥例8　⑦問8　⑧終了",
             {
                 kNotBuilt,  // ①例6
                 kNotBuilt,  // ②問6
                 kNotBuilt,  // ③逆数
                 kNotBuilt,  // ④問7
                 kNotBuilt,  // ⑤説明
                 kNotBuilt,  // ⑥例8
                 kNotBuilt,  // ⑦問8
             });
}

}  // namespace pellith
