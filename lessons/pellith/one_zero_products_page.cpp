// ⑦0,1との積: a product with 1 is the other factor, a product with 0 is 0.
#include "exercise_column.h"
#include "explanation_page.h"
#include "multiplication_pages.h"

namespace pellith {

void OneAndZeroProductsPage() {
  BlankPage(1760, 1300);
  ExerciseColumn({44,
                  "問 1との積を求めなさい。",
                  0,
                  {{"① 1*(", "+3", ")=", "", "3"},
                   {"② 1*(", "-3", ")=", "", "-3"},
                   {"③ (", "+5", ")*1=", "", "5"},
                   {"④ (", "-5", ")*1=", "", "-5"}},
                  "※1との積はもとの数になる。",
                  true});
  ExerciseColumn({600,
                  "問 0との積を求めなさい。",
                  0,
                  {{"① 0*(", "+3", ")=", "", "0"},
                   {"② 0*(", "-3", ")=", "", "0"},
                   {"③ (", "+5", ")*0=", "", "0"},
                   {"④ (", "-5", ")*0=", "", "0"}},
                  "※0との積は0になる。",
                  false});
}

}  // namespace pellith
