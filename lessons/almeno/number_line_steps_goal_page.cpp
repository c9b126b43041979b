// The goal page of the topic on the number line.
#include "goal_page.h"
#include "number_line_steps_pages.h"

namespace almeno {

void NumberLineStepsGoalPage() {
  GoalPage(32, {{"数直線を使って、ある数より大きい数や小さい数を求めよう。"}});
}

}  // namespace almeno
