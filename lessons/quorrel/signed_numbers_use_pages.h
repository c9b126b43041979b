// The pages of the topic on using signed numbers: jump-rope records of three
// weeks, means found with a provisional mean, and two further tables. Each
// returns to the topic's submenu with its last screen left standing.
#pragma once

#include <string>

namespace quorrel {

// The aims of the topic, below "<めあて>"; returns at once.
void SignedNumbersUseGoal();
// Item ①: the records of three weeks in a table and compared.
void WeekRecordsComparison();
// Item ②: the mean of week 1, then of week 2 with the provisional mean 35.
void WeekMeansExample();
// Item ③: questions 1 and 2 on week 3 with the provisional mean 50.
void WeekThreeQuestions();
// Item ④: the blanks of the class records table and their mean.
void ClassRecordsQuestions();
// Item ⑤: the mean and the total of a week's sales.
void WeekdaySalesAnswer();

// The records of the three weeks, Monday to Friday, with their sums and
// means: week w (1 to 3) in `T(10w - 9)`..`T(10w - 5)`, its sum in
// `T(10w - 4)` and its mean in `T(10w - 3)`; then every text of `T()` and
// `F()` is made afresh.
void JumpRopeRecords();

// The texts of a mean worked out from the differences to a provisional mean.
struct ProvisionalMeanSteps {
  float gap;               // from the line before down to the sum
  const char* sum;         // the differences added: "0+3+6+5+16="
  const char* total;       // their total: "30(回)"
  const char* division;    // the total shared out: "30/5="
  const char* difference;  // the mean difference: "6(回)"
  const char* addition;    // the provisional mean and that: "35+6="
  std::string mean;        // the mean: "41(回)"
};
// The working revealed a key at a time from the current line: the sum and
// its total `gap` below it, the division and the mean difference on the next
// line, then beside them the addition and the mean in colour 5.
void ProvisionalMeanWorking(const ProvisionalMeanSteps& steps);

}  // namespace quorrel
