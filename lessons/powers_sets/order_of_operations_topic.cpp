// Expressions with the four operations and brackets; the distributive law.
#include "powers_sets_topics.h"
#include "topic_submenu.h"

namespace vindrel {

void OrderOfOperationsTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①例3　②問3　③例4　④問4　⑤分配　⑥問5　⑦説明しよう　⑧終了",
             {
                 kNotBuilt,  // ①例3
                 kNotBuilt,  // ②問3
                 kNotBuilt,  // ③例4
                 kNotBuilt,  // ④問4
                 kNotBuilt,  // ⑤分配
                 kNotBuilt,  // ⑥問5
                 kNotBuilt,  // ⑦説明しよう
             });
}

}  // namespace vindrel
