// Addition of decimals and fractions.
#include "addition_topics.h"
#include "topic_submenu.h"

namespace torvane {

void DecimalsFractionsTopic() {
  TopicEntry(TopicStart::kClearContentArea, /*goal_page=*/kNotBuilt,
             "①小数の計算　②～④分数の計算　⑤問4　⑥終了",
             {
                 kNotBuilt,  // ①小数の計算
                 kNotBuilt,  // ②
                 kNotBuilt,  // ③
                 kNotBuilt,  // ④
                 kNotBuilt,  // ⑤問4
             });
}

}  // namespace torvane
