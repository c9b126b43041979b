// The pair of operators of a generated expression: one adds, one subtracts.
#include "globals.h"
#include "mixed_add_sub_pages.h"

namespace torvane {

void DrawOperatorPair() {
  F(1) = PnFInt(PaRnd() * 2 + 1);
  if (F(1) == 2) {
    F(1) = -1;
    F(2) = 1;
  } else {
    F(2) = -1;
  }
}

void OperatorTexts() {
  F_sa(1) = F(1) > 0 ? "+" : "-";
  F_sa(2) = F(1) > 0 ? "-" : "+";
}

}  // namespace torvane
