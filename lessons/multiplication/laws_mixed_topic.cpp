// The laws of multiplication and mixed multiplication and division.
#include "multiplication_topics.h"
#include "topic_submenu.h"

namespace pellith {

void LawsMixedTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①交換、結合　②問9,10　③例9　④問11　⑤例10　⑥問12　⑦話しあおう　⑧終了",
             {
                 kNotBuilt,  // ①交換、結合
                 kNotBuilt,  // ②
                 kNotBuilt,  // ③例9
                 kNotBuilt,  // ④問11
                 kNotBuilt,  // ⑤例10
                 kNotBuilt,  // ⑥問12
                 kNotBuilt,  // ⑦話しあおう
             });
}

}  // namespace pellith
