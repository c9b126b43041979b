// The two answer pages of the practice problems on order, absolute value and
// steps on the number line.
#pragma once

#include <string>

namespace almeno {

// Problems 1 to 3: integers between, how many, comparisons; then runs on
// into the page of problems 4 and 5.
void OrderingAnswersProblems1To3();
// Problems 4 and 5: orderings, and a number a given amount from another.
void OrderingAnswersProblems4And5();

// An answer box of the practice pages: `width` x 50, the text in colour 5,
// border 3 on white, with `y` the text line of its row. The cursor moves
// after it.
void OrderingAnswerBox(const std::string& text, float x, float y, float width = 50);

}  // namespace almeno
