// The rules of division.
#include "multiplication_topics.h"
#include "topic_submenu.h"

namespace pellith {

void DivisionTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①課題　②除法規則　③ドリル　④問4　⑤例5　⑥問5　⑦終了",
             {
                 kNotBuilt,  // ①課題
                 kNotBuilt,  // ②除法規則
                 kNotBuilt,  // ③ドリル
                 kNotBuilt,  // ④問4
                 kNotBuilt,  // ⑤例5
                 kNotBuilt,  // ⑥問5
             });
}

}  // namespace pellith
