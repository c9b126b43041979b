// Subtraction, rewritten as addition.
#include "addition_topics.h"
#include "topic_submenu.h"

namespace torvane {

void SubtractionTopic() {
  TopicEntry(TopicStart::kClearContentArea, /*goal_page=*/kNotBuilt,
             "①導入　②加法へ、計算規則　③練習　④０　⑤問5　⑥問6　⑦終了",
             {
                 kNotBuilt,  // ①導入
                 kNotBuilt,  // ②加法へ、計算規則
                 kNotBuilt,  // ③練習
                 kNotBuilt,  // ④０
                 kNotBuilt,  // ⑤問5
                 kNotBuilt,  // ⑥問6
             });
}

}  // namespace torvane
