// The rules of multiplication; products with -1, 0 and 1.
#include "multiplication_topics.h"
#include "topic_submenu.h"

namespace pellith {

void MultiplicationTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①正×正　②正×負　③負×負　④計算規則　⑤練習　⑥-1との積　⑦0,1との積　⑧終了",
             {
                 kNotBuilt,  // ①正×正
                 kNotBuilt,  // ②正×負
                 kNotBuilt,  // ③負×負
                 kNotBuilt,  // ④計算規則
                 kNotBuilt,  // ⑤練習
                 kNotBuilt,  // ⑥-1との積
                 kNotBuilt,  // ⑦
             });
}

}  // namespace pellith
