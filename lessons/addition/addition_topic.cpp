// Addition on the number line and its rules.
#include "addition_topics.h"
#include "topic_submenu.h"

namespace torvane {

void AdditionTopic() {
  TopicEntry(TopicStart::kClearContentArea, /*goal_page=*/kNotBuilt,
             "①数直線で　②計算規則　③練習　④０　⑤0との加法　⑥問1,2　⑦問3　⑧終了",
             {
                 kNotBuilt,  // ①数直線で
                 kNotBuilt,  // ②計算規則
                 kNotBuilt,  // ③練習
                 kNotBuilt,  // ④０
                 kNotBuilt,  // ⑤0との加法
                 kNotBuilt,  // ⑥
                 kNotBuilt,  // ⑦問3
             });
}

}  // namespace torvane
