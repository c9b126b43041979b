// The goal page of a topic.
#include "goal_page.h"

void GoalPage(float indent, std::initializer_list<GoalAim> aims) {
  SetMargins({.margin = 44, .top = 240});
  Say("<めあて>", XI1, YI1, 3);
  for (const GoalAim& aim : aims) Say(aim.text, XI1 + indent, YI1 + aim.step, aim.colour);
}
