// Torvane's page dimensions: the answer boxes of its drills and the layout
// of its practice-answer pages.
#pragma once

#include "practice_answers.h"

namespace torvane {

// The width of the answer box in the sign drills, the absolute-value drills
// and the drill that rewrites a subtraction as an addition.
inline constexpr float kSignBox = 44, kAbsoluteValueBox = 88, kRewriteBox = 132;

inline constexpr PracticeAnswersLayout kPracticeAnswers{.width = 1760,
                                                        .height = 1800,
                                                        .xi0 = 30,
                                                        .xi1 = 84,
                                                        .title_width = 396,
                                                        .title_height = 48,
                                                        .number_gap = 44};

}  // namespace torvane
