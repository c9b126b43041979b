// The aims of the numbers-below-zero topic.
#include "below_zero_pages.h"
#include "goal_page.h"

namespace almeno {

void BelowZeroGoalPage() {
  GoalPage(40, {
                   {"1 -のついた数は、どんなことを表しているか考えよう。"},
                   {"2 負の数をふくめた数直線に数を表そう。"},
               });
}

}  // namespace almeno
