// The fill-in table of a sign rule.
#include "sign_rule_table.h"

#include "page_faces.h"
#include "shell.h"

namespace {

void DrawRuleCell(const RuleCell& cell, const std::string& text, float text_colour) {
  Cell(cell.x, cell.y, cell.width, cell.height, text_colour, 3, cell.fill, text);
}

}  // namespace

void SignRuleTable(const std::vector<RuleCell>& cells, const std::vector<RuleAnswer>& answers,
                   RuleCornerKeeper keep) {
  for (size_t i = 0; i < cells.size(); ++i) {
    if (keep) {
      for (size_t k = 0; k < answers.size(); ++k) {
        if (answers[k].cell == static_cast<int>(i)) {
          keep(static_cast<int>(k) + 1, cells[i].x, cells[i].y);
        }
      }
    }
    DrawRuleCell(cells[i], cells[i].text, cells[i].text_colour);
  }
  for (const RuleAnswer& answer : answers) {
    WaitAnyKey();
    DrawRuleCell(cells.at(answer.cell), answer.text, 5);
  }
}
