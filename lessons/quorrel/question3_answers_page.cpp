// Item ⑤: the answers of textbook question 3, the factorisations of 20, 54
// and 126 side by side, each with its ladder under it.
#include "ladder_pages.h"
#include "prime_factorisation_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace quorrel {

void Question3AnswersPage() {
  TextbookAnswersPage("問3解答 ", 44, 30, 7, 1760, 1800);
  WaitAnyKey();
  LaddersOnOneLine(XI1, YI1 + 70, {{20, "2^2*5"}, {54, "2*3^3"}, {126, "2*3^2*7"}});
}

}  // namespace quorrel
