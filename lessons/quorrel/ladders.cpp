// The division ladders of the factorisation pages.
#include <array>

#include "construct_globals.h"
#include "figures.h"
#include "ladder_pages.h"
#include "layout_cursor.h"
#include "shell.h"

namespace quorrel {

void Ladder(float number, float x, float y, float nasi) {
  SOSU = number;
  PrimeFactorise();
  XTAKE = x;
  YTAKE = y;
  NASI = nasi;
  DrawShortDivision();
}

void WorkedLadder(float number, float anchor_x, float top) {
  X_a(31) = anchor_x;
  Y_a(31) = top + 130;
  PrintAt(" <素数でわる方法>", X_a(31), top + 60, 3);
  Ladder(number, X_a(31) + 44, Y_a(31), 1);
}

void LaddersOnOneLine(float x, float y, std::initializer_list<LadderProblem> problems) {
  const std::array<const char*, 3> labels = {"(1)", "(2)", "(3)"};
  // Where the first answers end, kept for the page's later lines.
  const std::array<float*, 2> kept = {&X12, &X13};
  // A problem more than there are labels is the runtime's subscript error,
  // never a read past the table.
  if (problems.size() > labels.size()) RaiseError(kSubscriptOutOfRange, Where::current());
  Y11 = y;
  float label_x = x;
  float ladder_x = x + 88;
  int k = 0;
  for (const LadderProblem& problem : problems) {
    if (k > 0) WaitAnyKey();
    Say(labels[k], label_x, Y11, 0);
    Ladder(problem.number, ladder_x, Y11 + 80, 0);
    WaitAnyKey();
    Continue(problem.answer, 3);
    if (k < static_cast<int>(kept.size())) *kept[k] = XI2;
    // The next problem begins after this answer.
    label_x = XI2 + 44;
    ladder_x = XI2 + 88;
    ++k;
  }
}

}  // namespace quorrel
