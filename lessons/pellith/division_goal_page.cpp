// The division topic's goal page.
#include "division_pages.h"
#include "goal_page.h"

namespace pellith {

void DivisionGoalPage() {
  GoalPage(32, {{"1 正の数・負の数の除法の計算のしかたを考えよう。"},
                {"   ※除法…わり算", 65, 7},
                {"2 正の数・負の数の乗法、除法の計算問題を解こう。"}});
}

}  // namespace pellith
