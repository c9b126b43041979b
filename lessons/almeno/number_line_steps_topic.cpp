// The number a given amount larger or smaller than another, on the number line.
#include "introduction_topics.h"
#include "number_line_steps_pages.h"
#include "topic_submenu.h"

namespace almeno {

void NumberLineStepsTopic() {
  TopicEntry(TopicStart::kAsLeft, NumberLineStepsGoalPage, "①数直線で　②問6　③終了",
             {
                 StepTasksPage,    // ①数直線で
                 StepAnswersPage,  // ②問6
             });
}

}  // namespace almeno
