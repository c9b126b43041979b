// The number a given amount larger or smaller than another, on the number line.
#include "introduction_topics.h"
#include "topic_submenu.h"

void NumberLineStepsTopic() {
  TopicEntry(TopicStart::kAsLeft, /*goal_page=*/kNotBuilt, "①数直線で　②問6　③終了",
             {
                 kNotBuilt,  // ①数直線で
                 kNotBuilt,  // ②問6
             });
}
