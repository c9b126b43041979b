// Torvane's page dimensions: the answer boxes of its drills and the layout
// of its practice-answer pages.
#pragma once

#include "practice_answers.h"

namespace torvane {

// The width of the answer box in the sign drills, the absolute-value drills
// and the drill that rewrites a subtraction as an addition.
inline constexpr float kSignBox = 44, kAbsoluteValueBox = 88, kRewriteBox = 132;

inline constexpr PracticeAnswersLayout kPracticeAnswers{1760, 1800, true, 30, 84, 396, 48, 44};

}  // namespace torvane
