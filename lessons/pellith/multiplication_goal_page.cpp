// The multiplication topic's goal page.
#include "goal_page.h"
#include "multiplication_pages.h"

namespace pellith {

void MultiplicationGoalPage() {
  GoalPage(32, {{"正の数・負の数の乗法の計算のしかたを考えよう。"}, {"※乗法…かけ算", 65, 7}});
}

}  // namespace pellith
