// Reciprocals, division as multiplication, products and quotients of fractions.
#include "goal_page.h"
#include "multiplication_topics.h"
#include "reciprocal_fraction_pages.h"
#include "topic_submenu.h"

namespace pellith {
namespace {

void ReciprocalFractionGoalPage() {
  GoalPage(32,
           {{"1　分数をふくむ乗法の計算をしよう。"}, {"2　逆数を使って、除法の計算をしよう。"}});
}

}  // namespace

void ReciprocalFractionTopic() {
  TopicEntry(TopicStart::kAsLeft, ReciprocalFractionGoalPage,
             "①例6　②問6　③逆数　④問7　⑤説明　⑥例8　⑦問8　⑧終了",
             {
                 FractionProductsPage,    // ①例6
                 Question6AnswersPage,    // ②問6
                 ReciprocalsPage,         // ③逆数
                 Question7AnswersPage,    // ④問7
                 DivideByReciprocalPage,  // ⑤説明
                 FractionQuotientsPage,   // ⑥例8
                 Question8AnswersPage,    // ⑦問8
             });
}

}  // namespace pellith
