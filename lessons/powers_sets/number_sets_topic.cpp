// Natural numbers, integers and all numbers, and the four operations on them.
#include "powers_sets_topics.h"
#include "topic_submenu.h"

namespace vindrel {

void NumberSetsTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt, "①P44ひろげよう　②P45ひろげよう　③終了",
             {
                 kNotBuilt,  // ①P44ひろげよう
                 kNotBuilt,  // ②P45ひろげよう
             });
}

}  // namespace vindrel
