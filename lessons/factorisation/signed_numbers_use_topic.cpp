// Using signed numbers: averages with a provisional mean.
#include "factorisation_topics.h"
#include "topic_submenu.h"

namespace quorrel {

void SignedNumbersUseTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①P49　②1,2週平均　③問1,2　④問3,4　⑤練習問題　⑥終了",
             {
                 kNotBuilt,  // ①P49
                 kNotBuilt,  // ②
                 kNotBuilt,  // ③
                 kNotBuilt,  // ④
                 kNotBuilt,  // ⑤練習問題
             });
}

}  // namespace quorrel
