// One worked answer of a textbook question on an answer page: its label, the
// question on the label's line, the working lines one below the other and
// the value in colour 5 under them.
#pragma once

#include <initializer_list>
#include <string>

// A column of answers begins with `AnswerColumn(left)` (answer_columns.h).
#include "answer_columns.h"

namespace pellith {

// The label at (`XI0`, y) in `label_colour`, the question 16 right of the
// working margin `XI1` in colour 0, each working line 54 lower at `XI1` in
// colour 0, and the value below the last line in colour 5: 54 lower, or 80
// lower under a line with a built-up fraction. `YI1` ends on the value.
void SayWorkedAnswer(const std::string& label, float label_colour, float y,
                     const std::string& question, std::initializer_list<std::string> working,
                     const std::string& value);

}  // namespace pellith
