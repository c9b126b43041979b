#include "sign_rule_tables.h"

#include <vector>

#include "globals.h"
#include "sign_rule_table.h"

namespace pellith {

namespace {

void KeepAnswerCorner(int number, float x, float y) {
  X_a(number) = x;
  Y_a(number) = y;
}

}  // namespace

void OperationSignRuleTable(float top, const OperationRule& rule) {
  // Columns: the row kind, the example, the sign, the absolute value.
  const float kind = 44, example = 176, sign = 484, value = 660;
  const float same = top + 60, opposite = top + 180;
  const std::vector<RuleCell> cells = {
      {rule.operation, kind, top, 132, 60, 15},
      {"例", example, top, 308, 60, 15},
      {rule.sign_header, sign, top, 176, 60, 15},
      {rule.value_header, value, top, 220, 60, 15},
      {"同符号", kind, same, 132, 120, 13},
      {rule.examples[0], example, same, 308, 60, 13},
      {"", sign, same, 176, 60, 13},
      {"", value, same, 220, 60, 13},
      {rule.examples[1], example, same + 60, 308, 60, 13},
      {"", sign, same + 60, 176, 60, 13},
      {"", value, same + 60, 220, 60, 13},
      {"異符号", kind, opposite, 132, 120, 11},
      {rule.examples[2], example, opposite, 308, 60, 11},
      {"", sign, opposite, 176, 60, 11},
      {"", value, opposite, 220, 60, 11},
      {rule.examples[3], example, opposite + 60, 308, 60, 11},
      {"", sign, opposite + 60, 176, 60, 11},
      {"", value, opposite + 60, 220, 60, 11},
  };
  const std::vector<RuleAnswer> answers = {
      {6, "+"},  {7, rule.absolute},  {9, "+"},  {10, rule.absolute},
      {13, "-"}, {14, rule.absolute}, {16, "-"}, {17, rule.absolute},
  };
  SignRuleTable(cells, answers, KeepAnswerCorner);
}

}  // namespace pellith
