// Numbers below zero: the thermometer, signs and integers, points on the number line.
#include "below_zero_pages.h"
#include "introduction_topics.h"
#include "marking_pages.h"
#include "topic_submenu.h"

namespace almeno {

void BelowZeroTopic() {
  TopicEntry(TopicStart::kAsLeft, BelowZeroGoalPage,
             "①温度計　②正負説明　③整数説明　④数直線正　⑤負　⑥問５　⑦問６　⑧練習問題　⑨終了",
             {
                 ThermometerPage,           // ①温度計
                 SignsPage,                 // ②正負説明
                 IntegersPage,              // ③整数説明
                 MarkPositivePointsPage,    // ④数直線正
                 MarkNegativePointsPage,    // ⑤負
                 Question5AnswersPage,      // ⑥問５
                 Question6AnswersPage,      // ⑦問６
                 BelowZeroPracticeAnswers,  // ⑧練習問題
             });
}

}  // namespace almeno
