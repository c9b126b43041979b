// Item ⑤: the answers of textbook question 3: four pairs of numbers with a
// cell between them that shows "<" or ">" on a key.
#include "explanation_page.h"
#include "layout_cursor.h"
#include "order_absolute_value_pages.h"
#include "page_faces.h"
#include "shell.h"

namespace almeno {

namespace {

// The 60 x 50 answer cell of pair k on its text line, at the place kept in
// T(k), F(k).
void AnswerCell(int k, const std::string& text) {
  PlainCell(T(k), F(k), 60, 50, 5, 3, 13, text);
}

}  // namespace

void InequalityAnswers() {
  OpenPage({.width = 1760, .height = 1800, .left = 40, .margin = 40, .top = 30});
  Say("問3　解答", XI1, YI1, 3);
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
    T(k) = XI2 + 10;
    F(k) = YI1;
    AnswerCell(k, pair.mark);
    KeepCursor();
    Say(pair.right, XI2 + 10, YI1, 0);
  }
  // Each answer in its cell, painted over the circled digit.
  for (int k = 1; k <= 4; ++k) {
    WaitAnyKey();
    AnswerCell(k, kPairs[k - 1].answer);
  }
}

}  // namespace almeno
