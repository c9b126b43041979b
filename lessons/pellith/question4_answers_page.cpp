// ④問4: the worked answers of textbook question 4, six quotients in two
// columns, one per key.
#include "division_pages.h"
#include "shell.h"
#include "textbook_answers.h"
#include "worked_answers.h"

namespace pellith {

void Question4AnswersPage() {
  TextbookAnswersPage("教科書　問4の答", 40, 30);
  AnswerColumn(40);
  SayWorkedAnswer("(1)", 3, YI1 + 50, "(-18)/9", {"=-(18/9)"}, "=-2");
  WaitAnyKey();
  SayWorkedAnswer("(2)", 3, YI1 + 60, "21/(-3)", {"=-(21/3)"}, "=-7");
  WaitAnyKey();
  SayWorkedAnswer("(3)", 3, YI1 + 60, "(-20)/(-5)", {"=+(20/5)"}, "=4");
  WaitAnyKey();
  AnswerColumn(480);
  SayWorkedAnswer("(4)", 3, YI1, "(-56)/(-7)", {"=+(56/7)"}, "=8");
  WaitAnyKey();
  SayWorkedAnswer("(5)", 3, YI1 + 60, "15/(-21)", {"=-ﾀ15/21ﾀ"}, "=-ﾀ5/7ﾀ");
  WaitAnyKey();
  SayWorkedAnswer("(6)", 3, YI1 + 60, "(-45)/(-60)", {"=+ﾀ45/60ﾀ"}, "=ﾀ3/4ﾀ");
}

}  // namespace pellith
