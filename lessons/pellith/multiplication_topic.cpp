// The rules of multiplication; products with -1, 0 and 1.
#include "multiplication_pages.h"
#include "multiplication_topics.h"
#include "topic_submenu.h"

namespace pellith {

void MultiplicationTopic() {
  TopicEntry(TopicStart::kAsLeft, MultiplicationGoalPage,
             "①正×正　②正×負　③負×負　④計算規則　⑤練習　⑥-1との積　⑦0,1との積　⑧終了",
             {
                 RepeatedAdditionPage,
                 PositiveByNegativePage,
                 NegativeByNegativePage,
                 ProductSignRulePage,
                 ProductDrill,
                 MinusOneProductsPage,
                 OneAndZeroProductsPage,
             });
}

}  // namespace pellith
