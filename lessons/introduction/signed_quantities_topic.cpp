// Quantities expressed with signed numbers: heights, income, years, differences from a base.
#include "introduction_topics.h"
#include "topic_submenu.h"

void SignedQuantitiesTopic() {
  TopicEntry(TopicStart::kClearContentArea, /*goal_page=*/kNotBuilt,
             "①標高　②収入　③年後前　④基準との違い　⑤問3　⑥言い換え　⑦問4　⑧終了",
             {
                 kNotBuilt,  // ①標高
                 kNotBuilt,  // ②収入
                 kNotBuilt,  // ③年後前
                 kNotBuilt,  // ④基準との違い
                 kNotBuilt,  // ⑤問3
                 kNotBuilt,  // ⑥言い換え
                 kNotBuilt,  // ⑦問4
             });
}
