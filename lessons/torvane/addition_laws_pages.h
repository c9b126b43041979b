// The pages of the topic on the laws of addition and clever calculation:
// three ways of computing 3-9+7, grouping the terms by sign, terms that add
// up to 0, the summary and the answers of textbook question 9.
//
// Every page blanks what it draws on, returns to the topic's submenu and
// leaves its last screen there. The pages with marks under or through terms
// leave the pen width at that of their marks.
#pragma once

#include <string>

namespace torvane {

// "<めあて>" and the topic's two aims; returns at once.
void AdditionLawsGoalPage();

// ① 3-9+7 computed from the front, from the back and with two terms
// swapped; underlines show what each computes first.
void AdditionLawsPage();
// ② The positive terms together and the negative terms together.
void SignGroupingPage();
// ③ A pair of terms that add up to 0, struck through.
void ZeroSumPage();
// ④ The two laws and the two clever ways; the textbook task line.
void AdditionLawsSummaryPage();
// ⑤ The answers of textbook question 9.
void Question9Answers();

// ---- marks on the terms of a calculation ------------------------------------

// Continues the line with `text` in colour 0; where it begins is kept in
// X_a(`start`) and where it ends in X_a(`end`) (an index 0 keeps nothing).
void MarkedPiece(const std::string& text, int start, int end);
// A straight line of pen width `width` from (x1, y1) to (x2, y2) in
// `colour`: an underline, or a stroke through a term. The width stays.
void Stroke(float x1, float y1, float x2, float y2, float colour, float width);

}  // namespace torvane
