// ⑥-1との積: multiplying by -1 changes the sign; -(-3) read as (-1)×(-3).
#include "exercise_column.h"
#include "explanation_page.h"
#include "multiplication_pages.h"

namespace pellith {

void MinusOneProductsPage() {
  BlankPage(1760, 1300);
  ExerciseColumn({44,
                  "問　-1との積を求めなさい。",
                  3,
                  {{"① (-1)*(", "+3", ")=", "", "-3"},
                   {"② (-1)*(", "-3", ")=", "", "+3"},
                   {"③ (-1)*(", "+5", ")=", "", "-5"},
                   {"④ (-1)*(", "-5", ")=", "", "+5"}},
                  "※-1をかければ、符号が変わる。",
                  true});
  ExerciseColumn({600,
                  "例　次の計算をしなさい。",
                  0,
                  {{"① (-1)*", "6", "=", "(-1)*(+6)=", "-6"},
                   {"② -(", "-3", ")=", "(-1)*(-3)=", "3"},
                   {"③ -(", "-1", ")=", "(-1)*(-1)=", "1"}},
                  "",
                  false});
}

}  // namespace pellith
