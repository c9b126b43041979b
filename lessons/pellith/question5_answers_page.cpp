// ⑥問5: the worked answers of textbook question 5, two products and two
// quotients of decimals in two columns, one per key.
#include "division_pages.h"
#include "shell.h"
#include "textbook_answers.h"
#include "worked_answers.h"

namespace pellith {

void Question5AnswersPage() {
  TextbookAnswersPage("教科書　問5の答", 40, 30);
  AnswerColumn(40);
  // 0.5 times 3 is 1.5: the value follows the working above it.
  SayWorkedAnswer("(1)", 0, YI1 + 60, " 0.5*(-3)", {"=-(0.5*3)"}, "=-1.5");
  WaitAnyKey();
  SayWorkedAnswer("(2)", 0, YI1 + 60, " (-0.8)*(-0.6)", {"=+(0.8*0.6)"}, "=0.48");
  WaitAnyKey();
  AnswerColumn(480);
  SayWorkedAnswer("(3)", 0, YI1 + 60, " 2.4/(-0.6)", {"=-(2.4/0.6)", "=-(24/6)"}, "=-4");
  WaitAnyKey();
  SayWorkedAnswer("(4)", 0, YI1 + 60, " (-0.4)/8", {"=-(0.4/8)"}, "=-0.05");
}

}  // namespace pellith
