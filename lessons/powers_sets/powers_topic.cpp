// Powers and their signs.
#include "powers_sets_topics.h"
#include "topic_submenu.h"

namespace vindrel {

void PowersTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①指数　②例１　③例２　④問２　⑤説明しよう　⑥終了",
             {
                 kNotBuilt,  // ①指数
                 kNotBuilt,  // ②例１
                 kNotBuilt,  // ③例２
                 kNotBuilt,  // ④問２
                 kNotBuilt,  // ⑤説明しよう
             });
}

}  // namespace vindrel
