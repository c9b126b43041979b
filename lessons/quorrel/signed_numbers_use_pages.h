// The pages of the topic on using signed numbers: jump-rope records of three
// weeks, means found with a provisional mean, and two further tables. Each
// returns to the topic's submenu with its last screen left standing.
#pragma once

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

}  // namespace quorrel
