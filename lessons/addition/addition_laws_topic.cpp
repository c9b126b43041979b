// The commutative and associative laws of addition.
#include "addition_topics.h"
#include "topic_submenu.h"

namespace torvane {

void AdditionLawsTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①計算法則　②③計算の工夫　④まとめ　⑤問9　⑥終了",
             {
                 kNotBuilt,  // ①計算法則
                 kNotBuilt,  // ②③計算の工夫
                 kNotBuilt,  // ③
                 kNotBuilt,  // ④まとめ
                 kNotBuilt,  // ⑤問9
             });
}

}  // namespace torvane
