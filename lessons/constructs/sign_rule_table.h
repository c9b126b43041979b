// A table that states a sign rule, to be filled in: its cells drawn with the
// answer cells empty, then the answers one per key, each cell drawn again in
// place with its answer in colour 5. The page around it (heading, examples,
// pen width, what follows) is the caller's.
#pragma once

#include <string>
#include <vector>

// One cell: its text (empty for an answer cell), corner, size, fill colour
// and text colour. The border is colour 3.
struct RuleCell {
  std::string text;
  float x, y, width, height;
  float fill;
  float text_colour = 0;
};

// An answer: the cell it fills (index into the table's cells) and its text.
struct RuleAnswer {
  int cell;
  std::string text;
};

// Where a program keeps the corner of answer `number` (1, 2, ...) while the
// empty table is drawn; null when it keeps none.
using RuleCornerKeeper = void (*)(int number, float x, float y);

// Draws every cell in order, then for each answer a key wait and the cell
// again with the answer. Returns right after the last answer, without a key.
void SignRuleTable(const std::vector<RuleCell>& cells, const std::vector<RuleAnswer>& answers,
                   RuleCornerKeeper keep = nullptr);
