// Quantities said again with the opposite word: four questions with the
// missing words revealed one per key, and the answers of textbook question 4.
#include "answer_reveal.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"
#include "signed_quantities_pages.h"
#include "textbook_answers.h"

namespace almeno {

void RewordingPage() {
  ExplanationPage(1760, 1300, 44, 30);
  Say("問　次のことを正の数を使って表しなさい。", XI1, YI1, 0);
  Say("① -500円の収入　→　", XI1, YI1 + 85, 0);
  Continue("+500円", 3);
  Continue("の", 0);
  KeepAnswerPlace(1);
  Say("② -2km東へ進む　→　", XI1, YI1 + 85, 0);
  Continue("+2km", 3);
  KeepAnswerPlace(2);
  // Two blanks: the room for the missing word.
  Continue("  へ進む", 0);
  Say("③ -2000円の赤字　→　", XI1, YI1 + 85, 0);
  Continue("+2000円", 3);
  Continue("の", 0);
  KeepAnswerPlace(3);
  Say("④ -8小さい　→　", XI1, YI1 + 85, 0);
  Continue("+8", 3);
  KeepAnswerPlace(4);

  WaitAnyKey();
  ShowAnswerAt(1, "支出");
  WaitAnyKey();
  ShowAnswerAt(2, "西");
  WaitAnyKey();
  ShowAnswerAt(3, "黒字");
  WaitAnyKey();
  ShowAnswerAt(4, "大きい");
  WaitAnyKey();
  TextbookTaskLine("教科書 問4 をしなさい。", 40, YI1 + 100);
}

void RewordingAnswers() {
  TextbookAnswersPage("問4 解答", 44, 30);
  Say("(1) 4個少ない　→　", XI1, YI1 + 85, 0);
  WaitAnyKey();
  Continue("-4個多い", 5);
  Say("(2) 6cm短い　→　", XI1, YI1 + 85, 0);
  WaitAnyKey();
  Continue("-6cm長い", 5);
  Say("(3) 3kg軽い　→　", XI1, YI1 + 85, 0);
  WaitAnyKey();
  Continue("-3kg重い", 5);
  Say("(4) 10円たりない　→　", XI1, YI1 + 85, 0);
  WaitAnyKey();
  Continue("-10円余る", 5);
}

}  // namespace almeno
