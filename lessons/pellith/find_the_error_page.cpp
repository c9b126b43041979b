// A wrong working of (-36)÷(-3)×2 for a class discussion: what is wrong, and
// two right workings, revealed key by key.
#include "construct_globals.h"
#include "explanation_page.h"
#include "laws_mixed_pages.h"
#include "shell.h"

namespace pellith {

void FindTheErrorPage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .indent = 27, .top = 30});
  Say("Q ", XI0, YI1, 7);
  Continue("次の計算はどこが誤りですか。", 3);
  Say("正しく計算するにはどうしますか。", XI1, YI1 + 50, 3);
  Say("(-36)/(-3)*2", XI1 + 27, YI1 + 60, 0);
  Say("=(-36)/(-6)", XI1, YI1 + 50, 0);
  Say("=6", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Say("乗除の混じった計算に乗法の結合法則", XI0, YI1 + 60, 3);
  Say("を使い、後ろから計算している。", XI0, YI1 + 50, 3);
  WaitAnyKey();
  Say("前から順に計算する。", XI0, YI1 + 60, 7);
  WaitAnyKey();
  Say("(-36)/(-3)*2", XI1 + 27, YI1 + 60, 0);
  Say("=12*2", XI1, YI1 + 50, 0);
  Say("=24", XI1, YI1 + 50, 0);
  // The second right working in the right-hand column.
  SetMargins({.left = 640, .indent = 54, .top = 30});
  WaitAnyKey();
  Say("-3の逆数を使って計算する。", XI0, YI1 + 30, 7);
  WaitAnyKey();
  Say("(-36)/(-3)*2", XI1 + 27, YI1 + 60, 0);
  Say("=(-36)*(-ﾀ1/3ﾀ)*2", XI1, YI1 + 70, 0);
  Say("=(-36)*(-ﾀ2/3ﾀ)", XI1, YI1 + 70, 0);
  Say("=24", XI1, YI1 + 50, 0);
}

}  // namespace pellith
