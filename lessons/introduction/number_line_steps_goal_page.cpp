// The goal page of the topic on the number line.
#include "number_line_steps_pages.h"
#include "page_constructs.h"

void NumberLineStepsGoalPage() {
  GoalPage(32, {{"数直線を使って、ある数より大きい数や小さい数を求めよう。"}});
}
