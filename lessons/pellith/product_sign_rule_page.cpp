// ④計算規則: the sign rule of products as a table to fill in.
#include "explanation_page.h"
#include "layout_cursor.h"
#include "multiplication_pages.h"
#include "shell.h"
#include "sign_rule_tables.h"

namespace pellith {

void ProductSignRulePage() {
  ExplanationPage(1760, 1300, 44, 30);
  Say("問　次の表をうめなさい。", XI1, YI1, 0);
  Continue("(積…乗法の結果、答)", 3);
  // The table's borders are 5 wide; the width stays for the pages after.
  FE_SETDRAWWIDTH(5);
  OperationSignRuleTable(YI1 + 90, {"乗法",
                                    "積の符号",
                                    "積の絶対値",
                                    {"(+2)*(+3)", "(-2)*(-3)", "(+2)*(-3)", "(-2)*(+3)"},
                                    "2*3=6"});
}

}  // namespace pellith
