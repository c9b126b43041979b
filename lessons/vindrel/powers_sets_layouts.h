// The layout of Vindrel's practice-answer pages.
#pragma once

#include "practice_answers.h"

namespace vindrel {

// Pages 2 and 3: the title cell at the text margin.
inline constexpr PracticeAnswersLayout kPracticeAnswers = kFullPracticeAnswers;
// Page 1: a wider title cell at the outer margin; the page then sets the
// text margin itself.
inline constexpr PracticeAnswersLayout kFirstPracticeAnswers = kWideTitlePracticeAnswers;

}  // namespace vindrel
