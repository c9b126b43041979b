// The pages and figures of the topic on quantities expressed with signed
// numbers: sea level, income and expense, years before and after now, the
// difference from a target, the table of loans, rewording with opposite words
// and the answers.
//
// Every page blanks what it draws on, ends by returning to the topic's
// submenu and keeps nothing between visits. The figures draw on the page the
// caller has prepared and leave their geometry in `X_a()` and `Y_a()`,
// entries 31 upward.
#pragma once

#include <string>

namespace almeno {

// The sign of a generated example as text, "-" or "+" (with `P` its value).
extern std::string P_s;

// ---- the topic's frame -------------------------------------------------------

// "<めあて>" and the two aims; returns at once.
void SignedQuantitiesGoalPage();

// ---- the pages, one per submenu item ----------------------------------------

// ① Heights above and below sea level on the cross-section.
void SeaLevelPage();
// ② Income as a positive, expense as a negative amount: a worked example,
// then random examples until the learner types 1.
void IncomeExpensePage();
// ③ Years after now as positive, before now as negative, on the time line.
void YearsBeforeAfterPage();
// ④ A score written as its difference from the target.
void ReferenceDifferencePage();
// ⑤ The table of books lent against a target of 130 (textbook question 3).
void LibraryLoansAnswers();
// ⑥ Quantities with a negative number said again with the opposite word.
void RewordingPage();
// ⑦ The answers of textbook question 4.
void RewordingAnswers();

// ---- the random examples' numbers -------------------------------------------

// An amount of 100 to 700 yen in `T(1)` and `T_s(1)`; `P` -1 with `P_s` "-"
// and `T_s(2)` "支出", or `P` 1 with "+" and "収入".
void IncomeExpenseNumbers();
// 1 to 7 years in `T(1)` and `T_s(1)`; `P` -1 with "-" and "年前", or 1 with
// "+" and "年後"; `X_a(1)` the point of that time on the time line.
void YearsBeforeAfterNumbers();
// A score of 20 to 99 in `T(1)`, its difference from 80 in `T(2)`; their
// texts in `T_s(1)`, `T_s(2)`, a positive difference with "+".
void ReferenceDifferenceNumbers();

// ---- the figures -------------------------------------------------------------

// The cross-section from the summit (3776 m) down to the trench (-9780 m)
// with its height scale and the dotted sea level "基準" at the right of the
// page (X 616 to 1210). Leaves the geometry in `X_a(31)`..`X_a(39)`,
// `Y_a(31)`..`Y_a(37)` and the draw width at 3.
void SeaLevelFigure();
// The time line: fifteen ticks a year apart, "過去", "現在" and "未来", the
// present as a dot with "0". Leaves `X_a(31)` = 60, `X_a(32)` = 620,
// `X_a(33)` = 1180, `Y_a(31)` = 280, `Y_a(33)` = 369 and the draw width at 5.
void TimeLineFigure();
// A thick arrow above the time line from now to `X_a(1)` (colour 3 into the
// future, 5 into the past), then the time line again. A point beyond either
// end is moved to now, and a point at now gets no arrow.
void TimeLineArrow();

}  // namespace almeno
