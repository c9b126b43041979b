// Item ⑤: 12-15+8 rewritten as a sum and computed from the left, why that
// may be done, and its terms.
#include "explanation_page.h"
#include "shell.h"
#include "terms_pages.h"

namespace torvane {

void TermsExplanationPage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .top = 30});
  Say("次の計算をしなさい。", XI0, YI1, 0);
  Say(" 12-15+8", XI0, YI1 + 60, 0);
  WaitAnyKey();
  Say("=12", XI0, YI1 + 50, 0);
  Continue("+(-15)", 3);
  Continue("+8", 0);
  WaitAnyKey();
  Say("=-3", XI0, YI1 + 50, 3);
  Continue("+8", 0);
  WaitAnyKey();
  Say("=5", XI0, YI1 + 50, 5);
  WaitAnyKey();
  Say("加法だけの式", XI0, YI1 + 70, 7);
  Continue("になおすことが", 0);
  Say("できるので、", XI0, YI1 + 50, 0);
  Continue("12,-15,8の", 3);
  Say("和を求める計算", XI0, YI1 + 50, 3);
  Continue("になるから、", 0);
  Say("左から順に計算できる。", XI0, YI1 + 50, 7);
  WaitAnyKey();

  // The note on terms in the right-hand column.
  SetMargins({.left = 600, .margin = 600, .top = 30});
  Say("※加法だけの式になおしたとき", XI1, YI1 + 30, 3);
  Say("12,-15,8", XI1 + 34, YI1 + 60, 5);
  Continue("をその式の", 0);
  Continue("項", 5);
  Continue("という。", 0);
  Say("正の項", XI0, YI1 + 70, 3);
  Continue("…12,8", 0);
  Say("負の項", XI0, YI1 + 50, 3);
  Continue("…-15", 0);
}

}  // namespace torvane
