// Numbers below zero: the thermometer, signs and integers, points on the number line.
#include "introduction_topics.h"
#include "topic_submenu.h"

void BelowZeroTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt,
             "①温度計　②正負説明　③整数説明　④数直線正　⑤負　⑥問５　⑦問６　⑧練習問題　⑨終了",
             {
                 kNotBuilt,  // ①温度計
                 kNotBuilt,  // ②正負説明
                 kNotBuilt,  // ③整数説明
                 kNotBuilt,  // ④数直線正
                 kNotBuilt,  // ⑤負
                 kNotBuilt,  // ⑥問５
                 kNotBuilt,  // ⑦問６
                 kNotBuilt,  // ⑧練習問題
             });
}
