// The layouts of Pellith's practice-answer pages.
#pragma once

#include "practice_answers.h"

namespace pellith {

inline constexpr PracticeAnswersLayout kPracticeAnswers = kShortPracticeAnswers;
// Pages 3 and 4: the whole screen blanked, a wider title cell, the page
// number 30 right of it; page 3's title stands at the outer margin.
inline constexpr PracticeAnswersLayout kPracticeAnswersPage3 = kWideTitlePracticeAnswers;
inline constexpr PracticeAnswersLayout kPracticeAnswersPage4 = kFullPracticeAnswers;

}  // namespace pellith
