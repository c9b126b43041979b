// Absolute value and the order of numbers.
#include "introduction_topics.h"
#include "topic_submenu.h"

void OrderAbsoluteValueTopic() {
  TopicEntry(TopicStart::kClearContentArea, /*goal_page=*/kNotBuilt,
             "①絶対値　②問１　③2数大小　④絶対値と大小　⑤問3　⑥３数　⑦終了",
             {
                 kNotBuilt,  // ①絶対値
                 kNotBuilt,  // ②問１
                 kNotBuilt,  // ③2数大小
                 kNotBuilt,  // ④絶対値と大小
                 kNotBuilt,  // ⑤問3
                 kNotBuilt,  // ⑥３数
             });
}
