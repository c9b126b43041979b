// The fill-in tables of the sign rules of products and quotients: for two
// examples with the same signs and two with opposite signs, the sign of the
// result and its absolute value, revealed one cell per key.
#pragma once

#include <string>

namespace pellith {

struct OperationRule {
  std::string operation;     // the first header cell: "乗法" or "除法"
  std::string sign_header;   // "積の符号", "商の符号"
  std::string value_header;  // "積の絶対値", "商の絶対値"
  std::string examples[4];   // (+,+), (-,-), (+,-), (-,+)
  std::string absolute;      // the absolute value of each example's result
};

// The table with its header row at `top`, 60-high rows below it; the empty
// answer cells' corners are kept in X_a(1) to X_a(8), Y_a(1) to Y_a(8). Ends after
// the eighth answer, without a key.
void OperationSignRuleTable(float top, const OperationRule& rule);

}  // namespace pellith
