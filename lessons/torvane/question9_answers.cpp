// Item ⑤: the answers of textbook question 9, 3, -4 and -5 added in two
// groupings with the same result.
#include "addition_laws_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace torvane {

void Question9Answers() {
  TextbookAnswersPage("問9 解答", 108, 18, 3, 1320, 1300);
  Say("｛3+(-4)｝+(-5)", XI1, YI1 + 60, 0);
  WaitAnyKey();
  Say("=-1+(-5)", XI1, YI1 + 60, 0);
  WaitAnyKey();
  Say("=-6", XI1, YI1 + 60, 5);
  Say("3+｛(-4)+(-5)｝", XI1, YI1 + 60, 0);
  WaitAnyKey();
  Say("=3+(-9)", XI1, YI1 + 60, 0);
  WaitAnyKey();
  Say("=-6", XI1, YI1 + 60, 5);
  WaitAnyKey();
  Say("だから、両方の結果は等しい。", XI1, YI1 + 60, 3);
}

}  // namespace torvane
