// Item ⑤: the answers of textbook question 3: four pairs of numbers with a
// cell between them that shows "<" or ">" on a key.
#include "layout_cursor.h"
#include "order_absolute_value_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace almeno {

namespace {

// The 60 x 50 answer cell on the text line Y, from its left edge X.
void AnswerCell(const std::string& text) {
  HABA = 60;
  TATE = 50;
  CCC2 = 3;
  CCC3 = 13;
  CCC1 = 5;
  A_s = text;
  DrawCellTextPlain();
}

}  // namespace

void InequalityAnswers() {
  TextbookAnswersPage("問3　解答", 40, 30, 3, 1760, 1800);
  XI0 = 40;
  struct Pair {
    const char *left, *mark, *right, *answer;
  };
  static const Pair kPairs[] = {{"(1) 4", "①", "5", "<"},
                                {"(2) -3", "②", "-7", ">"},
                                {"(3) -1.6", "③", "-0.6", "<"},
                                {"(4) -ﾀ3/8ﾀ", "④", "-ﾀ5/8ﾀ", ">"}};
  // Every pair with its cell first; the cell's place is kept in T(k), F(k).
  for (int k = 1; k <= 4; ++k) {
    const Pair& pair = kPairs[k - 1];
    Say(pair.left, XI0, YI1 + 70, 0);
    X = XI2 + 10;
    Y = YI1;
    T(k) = X;
    F(k) = Y;
    AnswerCell(pair.mark);
    KeepCursor();
    Say(pair.right, XI2 + 10, YI1, 0);
  }
  // Each answer in its cell, painted over the circled digit.
  for (int k = 1; k <= 4; ++k) {
    WaitAnyKey();
    X = T(k);
    Y = F(k);
    AnswerCell(kPairs[k - 1].answer);
  }
}

}  // namespace almeno
