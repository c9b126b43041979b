// Mixed addition and subtraction.
#include "addition_topics.h"
#include "topic_submenu.h"

namespace torvane {

void MixedAddSubTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①()のない式への変形　②計算　③例７　④問１０　⑤終了",
             {
                 kNotBuilt,  // ①()のない式への変形
                 kNotBuilt,  // ②計算
                 kNotBuilt,  // ③例７
                 kNotBuilt,  // ④問１０
             });
}

}  // namespace torvane
