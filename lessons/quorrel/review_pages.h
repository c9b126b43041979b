// The pages of the two chapter reviews, "学びをたしかめよう" and
// "学びを身につけよう": worked answers under a title cell and a number cell.
// Each returns to its topic's submenu with its last screen left standing.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "answer_columns.h"

namespace quorrel {

// ---- "学びをたしかめよう" ------------------------------------------------------

// Item ①: the answers of questions 1 to 6, a key between the questions;
// question 3 with its number line.
void ReviewCheckAnswers1to6();
// Items ② to ⑤: the worked answers of questions 7, 8, 9 and 10.
void ReviewCheckAnswers7();
void ReviewCheckAnswers8();
void ReviewCheckAnswers9();
void ReviewCheckAnswers10();
// Item ⑥: question 11, then after a key question 12.
void ReviewCheckAnswers11to12();

// The number line from -6 to 6 at `Y_a(31)` (0 selects 240): 60 to one, the
// origin at `X_a(32)` = 440, only -1, 0 and 1 labelled.
void ReviewNumberLine();
// The point `T(1)` on that line, a disc of colour 3 with the label `T_s(1)`
// centred 80 above the axis; its x in `T(11)`.
void NumberLinePoint();

// ---- "学びを身につけよう" ------------------------------------------------------

// Item ①: the worked answers (1) to (32) on five pages, a key between pages.
void ReviewCalculationAnswers();
// Item ②: the temperature table and its open entries.
void TemperatureTableAnswers();
// Item ③: the properties of a list of numbers.
void NumberPropertiesAnswers();
// Item ④: the magic square, its missing numbers found one by one.
void MagicSquareAnswers();
// Item ⑤: four statements on primes and divisors judged.
void ReviewTrueFalseAnswers();
// Item ⑥: the mean of the differences from a reference score, and from the
// known average the reference score itself.
void ReviewAverageAnswer();

// ---- the answer pages' frame ---------------------------------------------------

// The page is blanked whole, `XI0` = 40, `XI1` = 94, and the title cell
// (396 x 46, text 0 on `fill`, border 4) stands at (94, `top`); the cursor
// stands after it.
void ReviewAnswersPage(const char* title, float top = 30, float fill = 13);
// The number cell of a question (44 wide, 80 for two digits; 44 high, text
// 13 on 3, border 4) at (x, y); the cursor stands after it.
void ReviewNumberCell(const std::string& number, float x, float y);
// The same cell 20 right of the title cell, on its line.
void ReviewNumberCellBesideTitle(const std::string& number);

// A worked answer whose result follows its last line: the label `gap` below
// the line before, the problem right after the label, each further line
// `step` below the one before at the working margin, then the result in
// colour 5.
WorkedAnswer Worked(const char* label, float gap, const char* problem,
                    std::initializer_list<std::pair<float, const char*>> lines, const char* result);

}  // namespace quorrel
