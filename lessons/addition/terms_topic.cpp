// Sums written without plus signs, and terms.
#include "addition_topics.h"
#include "topic_submenu.h"

namespace torvane {

void TermsTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①+なし例　②練習　③練習()なし　④問7　⑤項　⑥項練習　⑦終了",
             {
                 kNotBuilt,  // ①+なし例
                 kNotBuilt,  // ②練習
                 kNotBuilt,  // ③練習()なし
                 kNotBuilt,  // ④問7
                 kNotBuilt,  // ⑤項
                 kNotBuilt,  // ⑥項練習
             });
}

}  // namespace torvane
